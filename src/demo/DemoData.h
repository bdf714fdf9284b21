#pragma once

// Word lists from which the demonstration church is made up. Weights are
// rough relative frequencies, so common names stay common and the rare ones
// (apostrophes, accents) still show up in every church of a few hundred.

#include <vector>

namespace pw::demo::data {

struct Weighted {
    const char* text; // UTF-8
    int weight;
};

struct City {
    const char* name;
    const char* state;
    const char* zip;
    const char* areaCode;
    int weight;
};

struct Job {
    const char* occupation;
    const char* placeOfWork;
};

const std::vector<Weighted>& lastNames();
const std::vector<Weighted>& maleFirstNames();
const std::vector<Weighted>& femaleFirstNames();
const std::vector<Weighted>& maleMiddleNames();
const std::vector<Weighted>& femaleMiddleNames();
const std::vector<Weighted>& streetNames();
const std::vector<Weighted>& streetSuffixes();
const std::vector<Weighted>& emailDomains();

// Towns around the church, and towns that families moved away to.
const std::vector<City>& localCities();
const std::vector<City>& distantCities();

const std::vector<Job>& jobs();
const std::vector<const char*>& hobbies();
const std::vector<const char*>& organizations();
const std::vector<const char*>& memberNotes();
const std::vector<const char*>& otherChurches();
const std::vector<const char*>& prospectSources();
const std::vector<const char*>& prospectNotes();
const std::vector<const char*>& contactNotes();
const std::vector<const char*>& classNotes();
const std::vector<const char*>& careGroupNotes();

} // namespace pw::demo::data
