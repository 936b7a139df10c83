#include "store/XmlFieldError.h"

namespace kestrel {

XmlFieldError XmlFieldError::TypeMismatch() {
    return XmlFieldError{QStringLiteral("型が一致しません。"), 13};
}

XmlFieldError XmlFieldError::OutOfRange() {
    return XmlFieldError{QStringLiteral("インデックスが有効範囲にありません。"), 9};
}

XmlFieldError XmlFieldError::Overflow() {
    return XmlFieldError{QStringLiteral("オーバーフローしました。"), 6};
}

} // namespace kestrel
