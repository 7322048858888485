#pragma once
// TEMPORARY STUB (not committed): replaced by the real spin field.
#include "NumberText.h"

#include <QLineEdit>
#include <cstdint>
#include <functional>
namespace zentolk {
class TSpinEdit : public QLineEdit {
public:
    explicit TSpinEdit(QWidget* parent = nullptr) : QLineEdit("0", parent) {
        connect(this, &QLineEdit::textChanged, this, [this] {
            if (OnChange)
                OnChange(this);
        });
    }
    std::int32_t Value() const {
        std::int32_t v;
        return ParseInteger(text().toStdString(), v) ? v : min_;
    }
    void SetValue(std::int32_t v) {
        if (min_ != max_)
            v = v < min_ ? min_ : v > max_ ? max_ : v;
        setText(QString::number(v));
    }
    std::int32_t MinValue() const { return min_; }
    void SetMinValue(std::int32_t v) { min_ = v; }
    std::int32_t MaxValue() const { return max_; }
    void SetMaxValue(std::int32_t v) { max_ = v; }
    int MaxLength() const { return len_; }
    void SetMaxLength(int v) { len_ = v; }
    std::function<void(TSpinEdit* sender)> OnChange;

private:
    std::int32_t min_ = 0, max_ = 0;
    int len_ = 0;
};
} // namespace zentolk
