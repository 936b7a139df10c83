#pragma once

#include <optional>

#include "print/PrintPrimitive.h"
#include "print/SheetRequest.h"

namespace kestrel {

// The pages of a print handed out one at a time, so that a long list never has the drawing of
// all its sheets in memory at once. One page is built ahead, which tells whether the page handed
// out is the last one (the last page always ends the job).
class SheetPageSource {
public:
    // The sheets of the request's page choice that receive at least one single. The request
    // must outlive the source.
    explicit SheetPageSource(const SheetRequest& request);
    // One fixed page (the test print).
    explicit SheetPageSource(SheetPage page);

    bool AtEnd() const { return !m_ahead.has_value(); }
    // The next page; only when !AtEnd().
    SheetPage Next();

private:
    void Advance();

    const SheetRequest* m_request = nullptr;
    int m_next = 0;
    int m_last = 0;
    std::optional<SheetPage> m_ahead;
};

} // namespace kestrel
