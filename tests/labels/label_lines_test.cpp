// The lines composed for mailing labels and envelopes.
#include <gtest/gtest.h>

#include "labels/label_lines.h"

namespace {

struct Composition {
    const char *first, *last, *city, *state, *zip;
    const char *name, *mailingCity, *envelopeCity;
};

const Composition kCases[] = {
    {"John", "Smith", "Springfield", "IL", "62701", "John Smith", "Springfield,IL 62701",
     "Springfield, IL 62701"},
    // An empty first name leaves the line starting with the blank; an empty last name a
    // trailing blank only.
    {"", "Smith", "Springfield", "IL", "62701", " Smith", "Springfield,IL 62701",
     "Springfield, IL 62701"},
    {"John", "", "", "IL", "62701", "John ", ",IL 62701", ", IL 62701"},
    // Names of 15 characters each fill 31 characters and print whole on both.
    {"Maximilianusxyz", "Bartholomewsson", "Springfield", "IL", "62701",
     "Maximilianusxyz Bartholomewsson", "Springfield,IL 62701", "Springfield, IL 62701"},
    // A 15-character city and a 12-character zip: all 31 characters on a label, as all 32 on
    // the envelope; the zip is never cut.
    {"A", "B", "Framinghamtowns", "MA", "01701-123456", "A B", "Framinghamtowns,MA 01701-123456",
     "Framinghamtowns, MA 01701-123456"},
    // Padded fields as the record holds them.
    {"Ann   ", "Lee    ", "Reno     ", "NV", "89501       ", "Ann Lee", "Reno,NV 89501",
     "Reno, NV 89501"},
};

TEST(LabelLines, ComposeNameAndCityLinesForLabelsAndEnvelopes) {
    for (const Composition& c : kCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(labels::nameLine(c.first, c.last), c.name);
        EXPECT_EQ(labels::mailingCityStateZipLine(c.city, c.state, c.zip), c.mailingCity);
        EXPECT_EQ(labels::envelopeCityStateZipLine(c.city, c.state, c.zip), c.envelopeCity);
    }
}

}  // namespace
