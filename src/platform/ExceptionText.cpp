#include "platform/ExceptionText.h"

#include <new>
#include <stdexcept>

namespace kestrel {

ExceptionText ExceptionText::Of(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr ||
        dynamic_cast<const std::length_error*>(&error) != nullptr) {
        return {QStringLiteral("メモリが不足しています。"), 7};
    }
    if (dynamic_cast<const std::out_of_range*>(&error) != nullptr) {
        return {QStringLiteral("インデックスが有効範囲にありません。"), 9};
    }
    if (dynamic_cast<const std::overflow_error*>(&error) != nullptr ||
        dynamic_cast<const std::range_error*>(&error) != nullptr) {
        return {QStringLiteral("オーバーフローしました。"), 6};
    }
    if (dynamic_cast<const std::invalid_argument*>(&error) != nullptr ||
        dynamic_cast<const std::domain_error*>(&error) != nullptr) {
        return {QStringLiteral("プロシージャの呼び出し、または引数が不正です。"), 5};
    }
    return {QStringLiteral("内部エラーです。"), 51};
}

QString ExceptionText::Text() const {
    return description + QStringLiteral(" ( ") + QString::number(number) + QStringLiteral(" )");
}

} // namespace kestrel
