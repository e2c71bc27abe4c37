#include "bank/FeladvanyTabla.h"

#include <stdexcept>
#include <string>

namespace nonagra {

namespace {

void Ellenoriz(const char* nev, long long ertek, int darab) {
    if (ertek < 0 || ertek >= darab) {
        throw std::out_of_range("FeladvanyTar: " + std::string(nev) + " index " +
                                std::to_string(ertek) + " out of range 0.." +
                                std::to_string(darab - 1));
    }
}

} // namespace

std::size_t FeladvanyTabla::Index(long long number, long long kind, long long level) {
    Ellenoriz("number", number, kSzamok);
    Ellenoriz("kind", kind, kFajtak);
    Ellenoriz("level", level, kSzintek);
    return static_cast<std::size_t>((number * kFajtak + kind) * kSzintek + level);
}

std::string_view FeladvanyTabla::Olvas(long long number, long long kind, long long level) const {
    return helyek_[Index(number, kind, level)].szoveg;
}

void FeladvanyTabla::Tarol(int number, int kind, int level, std::string_view text) {
    Hely& hely = helyek_[Index(number, kind, level)];
    if (hely.kitoltve) {
        throw std::logic_error("FeladvanyTar: slot (" + std::to_string(number) + ", " +
                               std::to_string(kind) + ", " + std::to_string(level) +
                               ") is already filled");
    }
    hely.szoveg = text;
    hely.kitoltve = true;
}

} // namespace nonagra
