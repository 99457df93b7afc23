#pragma once

#include <QLabel>

namespace tavoclip {

// The caption over a drawn progress bar ("45%"), which also carries the bar's
// value for assistive technology: it answers as a progress bar from 0 to 100
// whose value is the share of the bar drawn, named by the caption's text.
class ProgressCaption : public QLabel {
    Q_OBJECT
public:
    explicit ProgressCaption(const QString& text, QWidget* parent = nullptr);

    // The drawn share in percent, clamped to 0..100; a change is announced.
    void SetValue(int percent);
    int value() const { return value_; }

private:
    int value_ = 0;
};

}  // namespace tavoclip
