#pragma once
// The increased-numbers page's range: start and end number fields with their up/down controls,
// the checks made when either field is left, and "Padded zeroes in Increased Numbers.".

#include "engine/RunRequest.h"

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QLineEdit;

namespace dirforge::ui {

class UpDownControl;

/// edtVol03StartNumber and edtVol03EndNumber (with UDVol03StartNumber, UDVol03EndNumber) and
/// chkVol03PaddedZeroes. Keeps the values last taken from the fields.
class NumberRangeGroup : public QWidget {
    Q_OBJECT
public:
    explicit NumberRangeGroup(QWidget* parent = nullptr);

    /// The stored values and the field texts, as a run reads them.
    engine::NumberRange range() const;
    std::int32_t startNumber() const { return startNumber_; }
    std::int32_t endNumber() const { return endNumber_; }
    /// Clear All: both fields and both stored values 1, padding off.
    void reset();
    /// A profile's texts and padding, then taken as when a field is left (without numbersTaken:
    /// the page recounts once its destination is back).
    void restore(const std::string& startText, const std::string& endText, bool padded);
    /// The fields' texts and the padding box, as a profile keeps them.
    std::string startText() const;
    std::string endText() const;
    bool padded() const;
    void focusEndNumber();
    void focusStartNumber();

    /// Leaving a field: both texts read as whole numbers (a start that is none becomes "1", an end
    /// that is none takes the start number), the left field's value at least 1; then numbersTaken.
    void edtVol03StartNumberExit();
    void edtVol03EndNumberExit();

signals:
    /// The stored numbers were taken again from the fields.
    void numbersTaken();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Steps 1 and 2 of leaving either field.
    void readFields();

    QLineEdit* edtStartNumber_ = nullptr;
    QLineEdit* edtEndNumber_ = nullptr;
    UpDownControl* udStartNumber_ = nullptr;
    UpDownControl* udEndNumber_ = nullptr;
    QCheckBox* chkPaddedZeroes_ = nullptr;
    std::int32_t startNumber_ = 1;
    std::int32_t endNumber_ = 1;
};

} // namespace dirforge::ui
