#pragma once
// Small MAIL files of distributors for the genealogy tests: each member has a name, an
// identification number, a sponsor ID and optionally a level, counts and an up-line mark.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace genealogytest {

struct Member {
    Member(std::string n, std::string i, std::string s, int l = 0)
        : name(std::move(n)), id(std::move(i)), sponsorId(std::move(s)), level(l) {}
    std::string name;
    std::string id;
    std::string sponsorId;
    int level = 0;
    std::array<int, 10> counts{};
    std::string mark;
    std::string companyId;
};

// A new MAIL file holding the members in this order; answers their record pointers.
std::vector<std::int64_t> makeMembers(const std::vector<Member>& members);

// Every member as stored, in record order (counts as whole numbers; 999.99 reads as 999).
struct Stored {
    std::string name;
    std::string id;
    std::string sponsorId;
    std::array<double, 10> counts{};
    std::string mark;
};
std::vector<Stored> storedMembers();

}  // namespace genealogytest
