#pragma once

#include <string_view>

namespace vnovla::pages {

// What the text typed into the page-number box asks for.
enum class PageNumberKind {
    NotAPage,       // not a number, empty, or a number that rounds below page 0
    Page,           // an existing page: page
    BeyondLastPage, // a number greater than the highest page
};

struct PageNumberEntry
{
    PageNumberKind kind = PageNumberKind::NotAPage;
    int page = 0;
    bool operator==(const PageNumberEntry&) const = default;
};

// Reads a typed page number against the highest page. A page number is a decimal number:
// optional blanks around it, an optional sign, digits with an optional fraction and an
// optional exponent ("1e1" is 10, "250E-2" is 2.5); full-width digits, point and signs count
// as their ASCII twins because a Japanese input method types them. Hexadecimal and any other
// text are not pages. The
// value is compared with highestPage before rounding (5.2 is beyond page 5), and rounded to
// the nearest page with halves going to the even neighbour (2.5 gives 2, 3.5 gives 4);
// -0.4 and -0 round to page 0. The arithmetic is done on the digits, so no length of input
// overflows and no floating-point error or locale changes the result.
PageNumberEntry readPageNumber(std::string_view text, int highestPage);

} // namespace vnovla::pages
