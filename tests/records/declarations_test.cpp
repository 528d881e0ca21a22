// Each declaration against its expected layout: fields, keys, memos, BLOBs, attributes, names.
#include <gtest/gtest.h>

#include <string>

#include "records/all_files.h"
#include "tests/records/expected_tables.h"

namespace {

struct Shape {
    int fields, keys, memos, blobs;
};

rt::FieldType typeOf(expected::Kind kind) {
    switch (kind) {
        case expected::S:
            return rt::FieldType::String;
        case expected::D:
            return rt::FieldType::Decimal;
        case expected::L:
            return rt::FieldType::Long;
        case expected::SH:
            return rt::FieldType::Short;
        case expected::B:
            return rt::FieldType::Byte;
    }
    return rt::FieldType::Real;
}

int bytesOf(const expected::Field& f) {
    switch (f.kind) {
        case expected::S:
            return f.width;
        case expected::D:
            return f.width / 2 + 1;  // packed: a nibble per digit and one for the sign
        case expected::L:
            return 4;
        case expected::SH:
            return 2;
        case expected::B:
            return 1;
    }
    return 0;
}

std::string componentText(const rt::FileDecl& decl, const rt::KeyComponent& c) {
    return (c.descending ? "-" : "") + decl.fields()[c.field].name;
}

TEST(Declarations, HoldEveryFieldKeyAndMemoOfTheLayouts) {
    const auto& expectedFiles = expected::files();
    const auto listed = records::allRecordFiles();
    ASSERT_EQ(expectedFiles.size(), 17u);
    ASSERT_EQ(listed.size(), expectedFiles.size());
    for (std::size_t n = 0; n < expectedFiles.size(); ++n) {
        const expected::File& want = expectedFiles[n];
        SCOPED_TRACE(std::string(want.label));
        EXPECT_EQ(listed[n].file, want.file);
        EXPECT_EQ(listed[n].displayName, want.displayName);
        const rt::FileDecl& decl = want.file->decl();
        EXPECT_EQ(decl.label(), want.label);
        EXPECT_EQ(decl.prefix(), want.prefix);
        EXPECT_EQ(decl.diskName(), want.diskName);
        EXPECT_EQ(decl.attributes(), want.attributes);

        ASSERT_EQ(decl.fields().size(), want.fields.size());
        int recordBytes = 0;
        for (std::size_t i = 0; i < want.fields.size(); ++i) {
            const expected::Field& f = want.fields[i];
            const rt::FieldDecl& got = decl.fields()[i];
            SCOPED_TRACE(std::string(f.name));
            EXPECT_EQ(got.name, f.name);
            EXPECT_EQ(got.type, typeOf(f.kind));
            EXPECT_EQ(got.size, bytesOf(f));
            if (f.kind == expected::D) {
                EXPECT_EQ(got.digits, f.width);
                EXPECT_EQ(got.places, f.places);
            }
            EXPECT_EQ(f.handle->index(), static_cast<int>(i));
            EXPECT_EQ(f.handle->name(), f.name);
            recordBytes += bytesOf(f);
        }
        EXPECT_EQ(decl.recordSize(), recordBytes);

        ASSERT_EQ(decl.keys().size(), want.keys.size());
        for (std::size_t i = 0; i < want.keys.size(); ++i) {
            const expected::Key& k = want.keys[i];
            const rt::KeyDecl& got = decl.keys()[i];
            SCOPED_TRACE(std::string(k.name));
            EXPECT_EQ(got.name, k.name);
            EXPECT_EQ(got.flags, k.flags);
            EXPECT_EQ(*k.handle, static_cast<int>(i));
            ASSERT_EQ(got.components.size(), k.components.size());
            for (std::size_t c = 0; c < k.components.size(); ++c)
                EXPECT_EQ(componentText(decl, got.components[c]), k.components[c]);
        }

        ASSERT_EQ(decl.memos().size(), want.memos.size());
        for (std::size_t i = 0; i < want.memos.size(); ++i) {
            EXPECT_EQ(decl.memos()[i].name, want.memos[i].name);
            EXPECT_EQ(decl.memos()[i].size, want.memos[i].size);
            EXPECT_EQ(want.memos[i].handle->index(), static_cast<int>(i));
            EXPECT_EQ(want.memos[i].handle->size(), want.memos[i].size);
        }
        ASSERT_EQ(decl.blobs().size(), want.blobs.size());
        for (std::size_t i = 0; i < want.blobs.size(); ++i) {
            EXPECT_EQ(decl.blobs()[i].name, want.blobs[i].name);
            EXPECT_EQ(want.blobs[i].handle->index(), static_cast<int>(i));
        }
    }
}

// Field, key, memo and BLOB counts of every file, held against the declarations.
TEST(Declarations, RecordSizesAndKeyCountsOfTheMainFiles) {
    const struct {
        const rt::RecordFile* file;
        Shape shape;
    } counts[] = {
        {&MAIL, {95, 19, 6, 1}},   {&CHECKS, {39, 11, 0, 0}}, {&BLANK, {39, 11, 0, 1}},
        {&ORDERS, {77, 5, 1, 0}},  {&PAYEE, {8, 1, 0, 0}},    {&INVENTOR, {8, 2, 0, 0}},
        {&COMPANY, {11, 1, 0, 0}}, {&CONFIG, {2, 0, 0, 0}},   {&TagFile, {4, 2, 0, 0}},
        {&WEB, {17, 1, 0, 0}},     {&ZIP, {4, 4, 0, 0}},      {&AREACODE, {4, 3, 0, 0}},
        {&CARDS, {10, 2, 0, 1}},   {&PLF, {14, 1, 2, 0}},     {&DYNALBLS, {12, 2, 0, 0}},
        {&INFORMAT, {1, 1, 1, 0}}, {&HELP, {1, 1, 1, 0}},
    };
    for (const auto& [file, shape] : counts) {
        const rt::FileDecl& decl = file->decl();
        SCOPED_TRACE(decl.label());
        EXPECT_EQ(static_cast<int>(decl.fields().size()), shape.fields);
        EXPECT_EQ(static_cast<int>(decl.keys().size()), shape.keys);
        EXPECT_EQ(static_cast<int>(decl.memos().size()), shape.memos);
        EXPECT_EQ(static_cast<int>(decl.blobs().size()), shape.blobs);
    }
    // A check record is 720 bytes (BLANK has the same layout).
    EXPECT_EQ(CHECKS.decl().recordSize(), 720);
    EXPECT_EQ(BLANK.decl().recordSize(), 720);
}

// Every field, memo and BLOB is found by its name in any letter case.
TEST(Declarations, NamesAreFoundInAnyCase) {
    auto lower = [](std::string_view s) {
        std::string out(s);
        for (char& c : out)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return out;
    };
    for (const expected::File& want : expected::files()) {
        rt::RecordFile& file = *want.file;
        for (std::size_t i = 0; i < want.fields.size(); ++i) {
            const std::string name = lower(want.fields[i].name);
            EXPECT_EQ(file.buf().field(name), static_cast<int>(i)) << name;
            EXPECT_EQ(rt::Field(file, name).index(), static_cast<int>(i)) << name;
        }
        for (std::size_t i = 0; i < want.memos.size(); ++i)
            EXPECT_EQ(file.buf().memo(lower(want.memos[i].name)), static_cast<int>(i));
        for (std::size_t i = 0; i < want.blobs.size(); ++i)
            EXPECT_EQ(file.buf().blob(lower(want.blobs[i].name)), static_cast<int>(i));
        for (std::size_t i = 0; i < want.keys.size(); ++i)
            EXPECT_EQ(file.key(lower(want.keys[i].name)), static_cast<int>(i));
    }
    // Names as the filters and the export bind them.
    EXPECT_EQ(rt::Field(MAIL, "MAI:CkeckName").index(), MAI::CKECKNAME.index());
    EXPECT_EQ(MAIL.buf().memo("MAI:ContactLetter"), MAI::CONTACTLETTER.index());
    EXPECT_EQ(INFORMAT.buf().memo("INF:Info"), INF::INFO.index());
    EXPECT_EQ(HELP.buf().memo("HEL:HelpInfo"), HEL::HELPINFO.index());
    EXPECT_THROW(rt::Field(MAIL, "MAI:NOSUCHFIELD"), std::out_of_range);
    EXPECT_THROW(records::Memo(MAIL, "MAI:LASTNAME"), std::out_of_range);
    EXPECT_THROW(records::Blob(CARDS, "CAR:NAME"), std::out_of_range);
}

}  // namespace
