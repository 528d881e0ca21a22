// Random adds, changes and deletes, checked against an in-memory model of how each key
// orders the records.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "runtime/data/record_file.h"
#include "sample_files.h"
#include "tests/support/temp_dir.h"

namespace {

struct Person {
    std::int64_t id;
    std::string name;  // blank padded to 10
    std::string city;  // blank padded to 8
    long number;
    long long cents;  // PEO:AMOUNT * 100
    int level;
};

std::string padded(std::string text, std::size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

TEST(KeyOrderModel, RandomWritesKeepEveryKeyInOrder) {
    testsupport::TempDir dir{true};
    rt::RecordFile people{datatest::peopleDecl()};
    ASSERT_EQ(people.create(), 0);
    ASSERT_EQ(people.open(), 0);
    std::mt19937 random(2024);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const char* names[] = {"ann", "Ann", "ANNE", "bob", "Bo", "b", "", "zed", "Zed ", "a b"};
    const char* cities[] = {"Rome", "rome", "Oslo", "", "Bonn"};
    std::vector<Person> model;
    long nextNumber = -500;

    auto store = [&](Person& p) {
        rt::RecordBuffer& b = people.buf();
        b.setText("PEO:NAME", p.name);
        b.setText("PEO:CITY", p.city);
        b.setInteger("PEO:NUMBER", p.number);
        b.setNumber("PEO:AMOUNT", rt::Decimal::fromScaled(p.cents, 2));
        b.setInteger("PEO:LEVEL", p.level);
    };
    for (int step = 0; step < 600; ++step) {
        int action = model.empty() ? 0 : pick(10);
        if (action < 5) {
            Person p{0,          padded(names[pick(10)], 10), padded(cities[pick(5)], 8),
                     nextNumber, pick(2001) - 1000LL,         pick(5) - 2};
            nextNumber += 1 + pick(3);
            people.clear();
            store(p);
            ASSERT_EQ(people.add(), 0);
            p.id = people.pointer();
            model.push_back(p);
        } else {
            std::size_t i = static_cast<std::size_t>(pick(static_cast<int>(model.size())));
            ASSERT_EQ(people.getPointer(model[i].id), 0);
            if (action < 8) {
                model[i].name = padded(names[pick(10)], 10);
                model[i].cents = pick(2001) - 1000LL;
                model[i].level = pick(5) - 2;
                store(model[i]);
                ASSERT_EQ(people.put(), 0);
            } else {
                ASSERT_EQ(people.deleteRecord(), 0);
                model.erase(model.begin() + static_cast<long>(i));
            }
        }
    }

    auto check = [&](const char* key, auto less) {
        std::vector<Person> expected = model;
        std::stable_sort(expected.begin(), expected.end(), less);
        std::vector<std::int64_t> want, got;
        for (const Person& p : expected)
            want.push_back(p.id);
        people.set(people.key(key));
        while (people.next() == 0)
            got.push_back(people.pointer());
        EXPECT_EQ(got, want) << key;
        std::vector<std::int64_t> backward;
        people.set(people.key(key));
        while (people.previous() == 0)
            backward.push_back(people.pointer());
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(backward, want) << key << " backward";
    };
    // Duplicates keep the order of their ids (the order in which they were added).
    check("PEO:KEYNAME", [](const Person& a, const Person& b) {
        return std::make_tuple(upper(a.name), a.id) < std::make_tuple(upper(b.name), b.id);
    });
    check("PEO:KEYNUMBER", [](const Person& a, const Person& b) { return a.number < b.number; });
    check("PEO:KEYMIXED", [](const Person& a, const Person& b) {
        return std::make_tuple(a.level, -a.cents, a.city, a.id) <
               std::make_tuple(b.level, -b.cents, b.city, b.id);
    });
    EXPECT_EQ(people.records(), static_cast<std::int64_t>(model.size()));
}

}  // namespace
