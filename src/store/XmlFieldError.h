#pragma once

#include <QString>

namespace kestrel {

// Why one value of a store file could not be taken: the description and number the error
// reporter shows ("型が一致しません。 ( 13 )").
struct XmlFieldError {
    QString description;
    int number = 0;

    static XmlFieldError TypeMismatch();
    static XmlFieldError OutOfRange();
    static XmlFieldError Overflow();
};

} // namespace kestrel
