// Every record file on real files in a scratch folder: created, opened, a record added and read
// back whole through the file's first key.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "records/all_files.h"
#include "runtime/text/decimal.h"
#include "runtime/text/fixed_text.h"
#include "tests/records/expected_tables.h"
#include "tests/support/temp_dir.h"

namespace {

std::string lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

// A value that fills the field to its width, different from field to field.
rt::Value sampleValue(const rt::FieldDecl& f, int index) {
    switch (f.type) {
        case rt::FieldType::String: {
            std::string text;
            for (int i = 0; i < f.size; ++i)
                text += static_cast<char>('A' + (index + i) % 26);
            return rt::Value(text);
        }
        case rt::FieldType::Decimal: {
            std::string digits;
            for (int i = 0; i < f.digits - f.places; ++i)
                digits += static_cast<char>('9' - i % 9);
            if (digits.empty()) digits = "0";
            if (f.places > 0) {
                digits += '.';
                for (int i = 0; i < f.places; ++i)
                    digits += static_cast<char>('1' + (i + index) % 9);
            }
            return rt::Value(rt::Decimal(digits));
        }
        case rt::FieldType::Byte:
            return rt::Value(rt::Decimal(200 + index % 50));
        case rt::FieldType::Short:
            return rt::Value(rt::Decimal(-300 - index));
        default:
            return rt::Value(rt::Decimal(700000 + index));
    }
}

void fillRecord(rt::RecordFile& file) {
    const rt::FileDecl& decl = file.decl();
    file.clear();
    for (int i = 0; i < static_cast<int>(decl.fields().size()); ++i)
        ASSERT_TRUE(file.buf().setValue(i, sampleValue(decl.fields()[i], i)))
            << decl.fields()[i].name;
    for (int i = 0; i < static_cast<int>(decl.memos().size()); ++i)
        file.buf().setMemo(i, "Caf\xE9 notes " + std::to_string(i));
    for (int i = 0; i < static_cast<int>(decl.blobs().size()); ++i)
        file.buf().setBlob(i, std::string("\x89PNG\0\x01\xFF", 7) + std::to_string(i));
}

void expectRecord(rt::RecordFile& file) {
    const rt::FileDecl& decl = file.decl();
    for (int i = 0; i < static_cast<int>(decl.fields().size()); ++i) {
        const rt::Value want = sampleValue(decl.fields()[i], i);
        if (want.isText())
            EXPECT_EQ(file.buf().text(i), want.text()) << decl.fields()[i].name;
        else
            EXPECT_EQ(file.buf().number(i), want.number()) << decl.fields()[i].name;
    }
    for (int i = 0; i < static_cast<int>(decl.memos().size()); ++i)
        EXPECT_EQ(file.buf().memoText(i), "Caf\xE9 notes " + std::to_string(i));
    for (int i = 0; i < static_cast<int>(decl.blobs().size()); ++i)
        EXPECT_EQ(file.buf().blobData(i), std::string("\x89PNG\0\x01\xFF", 7) + std::to_string(i));
}

bool hasUniqueKey(const expected::File& file) {
    for (const expected::Key& k : file.keys)
        if ((k.flags & rt::DUP) == 0) return true;
    return false;
}

TEST(RecordFiles, EachFileStoresARecordAndReadsItBackByItsFirstKey) {
    testsupport::TempDir dir(/*enter=*/true);
    for (const expected::File& want : expected::files()) {
        rt::RecordFile& file = *want.file;
        SCOPED_TRACE(file.decl().label());
        ASSERT_EQ(file.create(), 0) << rt::errorText();
        EXPECT_TRUE(std::filesystem::exists(dir / std::string(want.diskName)));
        ASSERT_EQ(file.open(rt::ACCESS::ReadWriteDenyNone), 0) << rt::errorText();

        fillRecord(file);
        ASSERT_EQ(file.add(), 0) << rt::errorText();
        // The same record once more: refused by a unique key, stored beside it otherwise.
        EXPECT_EQ(file.add(), hasUniqueKey(want) ? rt::FileError::DuplicateKey : 0);
        EXPECT_EQ(file.records(), hasUniqueKey(want) ? 1 : 2);

        // Look the record up by the first key's values alone, text in other letter case.
        fillRecord(file);
        std::vector<rt::Value> values;
        for (int i = 0; i < static_cast<int>(file.decl().fields().size()); ++i)
            values.push_back(file.buf().value(i));
        file.clear();
        if (file.decl().keys().empty()) {
            ASSERT_EQ(file.set(), 0);
            ASSERT_EQ(file.next(), 0) << rt::errorText();
        } else {
            for (const rt::KeyComponent& c : file.decl().keys()[0].components) {
                const rt::Value& v = values[c.field];
                file.buf().setValue(c.field, v.isText() ? rt::Value(lower(v.text())) : v);
            }
            ASSERT_EQ(file.get(0), 0) << rt::errorText();
        }
        expectRecord(file);
        // Its position in every key fits the 512 characters that callers keep it in and
        // leads back to it.
        const std::int64_t pointer = file.pointer();
        for (int k = 0; k < static_cast<int>(file.decl().keys().size()); ++k) {
            const std::string position = file.position(k);
            EXPECT_LE(position.size(), 512u) << file.decl().keys()[k].name;
            rt::FixedString<512> kept;
            kept = position;
            file.clear();
            ASSERT_EQ(file.reget(kept.view()), 0) << file.decl().keys()[k].name;
            EXPECT_EQ(file.pointer(), pointer);
        }
        EXPECT_EQ(file.close(), 0);
    }
}

TEST(RecordFiles, BlankChecksListTheHighestCheckNumberFirst) {
    testsupport::TempDir dir(/*enter=*/true);
    for (rt::RecordFile* file : {&CHECKS, &BLANK}) {
        ASSERT_EQ(file->create(), 0);
        ASSERT_EQ(file->open(), 0);
    }
    int id = 0;
    for (const char* number : {"200", "1000", "300"}) {
        ++id;
        CHECKS.clear();
        CHE::CHECKNUMBER.setText(number);
        CHE::CHECKID.setInteger(id);
        ASSERT_EQ(CHECKS.add(), 0);
        BLANK.clear();
        CHE1::CHECKNUMBER.setText(number);
        CHE1::CHECKID.setInteger(id);
        ASSERT_EQ(BLANK.add(), 0);
    }
    auto walk = [](rt::RecordFile& file, int key, const rt::Field& number) {
        std::vector<std::string> seen;
        EXPECT_EQ(file.set(key), 0);
        while (file.next() == 0)
            seen.push_back(std::string(rt::clip(number.text())));
        return seen;
    };
    // Check numbers are text: "1000" sorts before "200".
    EXPECT_EQ(walk(CHECKS, CHE::KEYCHECKNUMBER, CHE::CHECKNUMBER),
              (std::vector<std::string>{"1000", "200", "300"}));
    EXPECT_EQ(walk(BLANK, CHE1::KEYCHECKNUMBER, CHE1::CHECKNUMBER),
              (std::vector<std::string>{"300", "200", "1000"}));

    // A second check with a stored check ID is refused; a second check number is not.
    CHECKS.clear();
    CHE::CHECKID.setInteger(2);
    CHE::CHECKNUMBER.setText("999");
    EXPECT_EQ(CHECKS.add(), rt::FileError::DuplicateKey);
    CHE::CHECKID.setInteger(4);
    CHE::CHECKNUMBER.setText("200");
    EXPECT_EQ(CHECKS.add(), 0);
    EXPECT_EQ(CHECKS.records(), 4);
    EXPECT_EQ(BLANK.records(), 3);
    for (rt::RecordFile* file : {&CHECKS, &BLANK})
        EXPECT_EQ(file->close(), 0);
}

TEST(RecordFiles, HandlesWorkOnTheRunningThreadsBuffer) {
    MAIL.clear();
    MAI::LASTNAME.setText("Smith");
    MAI::NOTES3.setText("met at the fair");
    MAI::LETTERS.setData(std::string("\0\1", 2));
    EXPECT_EQ(MAIL.buf().text("MAI:LASTNAME"), "Smith          ");
    EXPECT_EQ(MAIL.buf().memoText(MAIL.buf().memo("MAI:Notes3")), "met at the fair");

    std::string otherThreadSees;
    std::thread([&] { otherThreadSees = MAI::LASTNAME.text() + MAI::NOTES3.text(); }).join();
    EXPECT_EQ(otherThreadSees, std::string(15, ' '));

    // A memo keeps at most its declared size.
    MAI::CONTACTNOTES.setText(std::string(1500, 'x'));
    EXPECT_EQ(MAI::CONTACTNOTES.text().size(), 1000u);
}

TEST(RecordFiles, StartUpClearsEveryBuffer) {
    for (const records::RecordFileEntry& entry : records::allRecordFiles()) {
        rt::RecordBuffer& buf = entry.file->buf();
        buf.setValue(0, sampleValue(entry.file->decl().fields()[0], 3));
        for (int i = 0; i < static_cast<int>(buf.memos().size()); ++i)
            buf.setMemo(i, "text");
        for (int i = 0; i < static_cast<int>(buf.blobs().size()); ++i)
            buf.setBlob(i, "bytes");
    }
    records::clearAllRecordBuffers();
    for (const records::RecordFileEntry& entry : records::allRecordFiles()) {
        const rt::RecordBuffer& buf = entry.file->buf();
        SCOPED_TRACE(entry.file->decl().label());
        const rt::FieldDecl& first = entry.file->decl().fields()[0];
        if (first.type == rt::FieldType::String)
            EXPECT_EQ(buf.text(0), std::string(first.size, ' '));
        else
            EXPECT_EQ(buf.number(0), rt::Decimal(0));
        for (const std::string& memo : buf.memos())
            EXPECT_TRUE(memo.empty());
        for (const std::string& blob : buf.blobs())
            EXPECT_TRUE(blob.empty());
    }
}

}  // namespace
