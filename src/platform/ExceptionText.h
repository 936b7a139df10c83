#pragma once

#include <QString>
#include <exception>

namespace kestrel {

// The program's own description and number of a trapped exception, as its message boxes show
// them ("メモリが不足しています。 ( 7 )"): an exhausted resource, an index or a value out of
// range, a bad argument; anything else is an internal error.
struct ExceptionText {
    QString description;
    int number = 0;

    static ExceptionText Of(const std::exception& error);
    // description + " ( " + number + " )"
    QString Text() const;
};

} // namespace kestrel
