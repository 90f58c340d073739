#pragma once
// An up/down control bound to a line edit: steps the number in the edit within a range.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace dirforge::ui {

/// Two arrow buttons that step the number shown in their associated edit field.
class UpDownControl : public QWidget {
    Q_OBJECT
public:
    /// What a step past one end of the range does.
    enum class AtEnd { Stop, Wrap };

    UpDownControl(QLineEdit* associate, int minimum, int maximum, AtEnd atEnd,
                  QWidget* parent = nullptr);

    int position() const { return position_; }
    /// Sets the position (clamped to the range) and shows it in the edit field.
    void setPosition(int position);
    /// One step up (+1) or down (-1), from the number in the edit when it is in range.
    void step(int delta);

signals:
    /// An arrow button stepped the number (the field now shows the new position).
    void stepped();

private:
    QLineEdit* associate_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_;
    int maximum_;
    bool wrap_;
    int position_;
};

} // namespace dirforge::ui
