#include "print/SheetPageSource.h"

#include <utility>

#include "print/SheetGeometry.h"

namespace kestrel {

SheetPageSource::SheetPageSource(const SheetRequest& request) : m_request(&request) {
    const auto [first, last] = SheetGeometry::PageChoice(request);
    m_next = first;
    m_last = last;
    Advance();
}

SheetPageSource::SheetPageSource(SheetPage page) : m_ahead(std::move(page)) {
    m_ahead->endsJob = true;
}

SheetPage SheetPageSource::Next() {
    SheetPage page = std::move(*m_ahead);
    Advance();
    if (AtEnd()) {
        page.endsJob = true;
    }
    return page;
}

// Builds the next page that holds a single, skipping pages without one.
void SheetPageSource::Advance() {
    m_ahead.reset();
    while (m_request != nullptr && !m_ahead && m_next <= m_last) {
        m_ahead = SheetGeometry::PrintPage(*m_request, m_next);
        ++m_next;
    }
}

} // namespace kestrel
