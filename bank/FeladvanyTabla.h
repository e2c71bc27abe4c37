// The puzzle bank's table of texts, indexed by puzzle number, kind and level.
#pragma once

#include <array>
#include <string_view>

namespace nonagra {

class FeladvanyTabla {
public:
    static constexpr int kSzamok = 152;
    static constexpr int kFajtak = 3;
    static constexpr int kSzintek = 4;

    // Number is tested first, then kind, then level, so that a lookup with
    // several bad indices always names the number.
    std::string_view Olvas(long long number, long long kind, long long level) const;

    // A filled slot is read-only: the bank never changes after start-up.
    void Tarol(int number, int kind, int level, std::string_view text);

private:
    struct Hely {
        std::string_view szoveg;
        bool kitoltve = false;
    };
    static std::size_t Index(long long number, long long kind, long long level);

    std::array<Hely, kSzamok * kFajtak * kSzintek> helyek_{};
};

// Fills the 906 slots from the data compiled into the program.
void FeladvanyLetarolas(FeladvanyTabla& tar);

} // namespace nonagra
