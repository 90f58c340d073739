#pragma once
// What a page's pieces may ask rather than tell. A piece tells its page what happened by Qt
// signals the page connects; the two things a piece needs an answer for are read through these
// const interfaces, so a piece can ask but never change what it asks.

#include "engine/RunRequest.h"

namespace dirforge::ui {

/// The page's next run, read from its controls (the run panel's runs and recounts).
class RunRequestSource {
public:
    virtual engine::RunRequest buildRunRequest() const = 0;

protected:
    ~RunRequestSource() = default;
};

/// The checked copy variant (the destination's level summary shows what it would copy).
class CopyVariantSource {
public:
    virtual engine::CopyVariant copyVariant() const = 0;

protected:
    ~CopyVariantSource() = default;
};

} // namespace dirforge::ui
