#include "tools/bankgen/Canonical.h"

#include <algorithm>
#include <vector>

namespace bankgen {

namespace {

using Row = std::array<std::uint8_t, 9>;
using Rows = std::array<Row, 9>;

constexpr int kPerms3[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};

// The 1296 column orders that keep stacks together: output column j takes
// input column order[j].
std::vector<Row> ColumnOrders() {
    std::vector<Row> orders;
    orders.reserve(1296);
    for (const auto& stacks : kPerms3)
        for (const auto& a : kPerms3)
            for (const auto& b : kPerms3)
                for (const auto& c : kPerms3) {
                    const int* within[3] = {a, b, c};
                    Row order{};
                    for (int s = 0; s < 3; ++s)
                        for (int k = 0; k < 3; ++k)
                            order[s * 3 + k] =
                                static_cast<std::uint8_t>(stacks[s] * 3 + within[s][k]);
                    orders.push_back(order);
                }
    return orders;
}

struct Transform {
    bool transpose;
    Row rows;
    Row cols;
    std::array<std::uint8_t, 10> digit;
};

Rows ToRows(const Grid& g, bool transpose) {
    Rows r{};
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j)
            r[i][j] = transpose ? g[j * 9 + i] : g[i * 9 + j];
    return r;
}

Grid Apply(const Transform& t, const Grid& g) {
    const Rows src = ToRows(g, t.transpose);
    Grid out{};
    for (int i = 0; i < 9; ++i)
        for (int j = 0; j < 9; ++j)
            out[i * 9 + j] = t.digit[src[t.rows[i]][t.cols[j]]];
    return out;
}

class Canoniser {
public:
    explicit Canoniser(const Grid& solution) : solution_(solution) {}

    std::vector<Transform> Minimal() {
        static const std::vector<Row> orders = ColumnOrders();
        for (bool transpose : {false, true}) {
            const Rows g = ToRows(solution_, transpose);
            for (int top = 0; top < 9; ++top)
                for (const auto& cols : orders)
                    Try(g, transpose, top, cols);
        }
        return std::move(best_);
    }

private:
    void Try(const Rows& g, bool transpose, int top, const Row& cols) {
        std::array<std::uint8_t, 10> digit{};
        for (int j = 0; j < 9; ++j)
            digit[g[top][cols[j]]] = static_cast<std::uint8_t>(j + 1);
        const int band = top / 3 * 3;
        int r1 = band + (top == band ? 1 : 0);
        int r2 = band + (top == band + 2 ? 1 : 2);
        // The second row decides almost every comparison, mostly in its
        // first digits: it is compared as it is built, and the rest of the
        // image only for the few that can still tie with the best so far.
        if (!best_.empty()) {
            auto worse = [&](int r) {
                for (int j = 0; j < 9; ++j) {
                    const std::uint8_t v = digit[g[r][cols[j]]];
                    if (v != bestImage_[1][j])
                        return v > bestImage_[1][j];
                }
                return false;
            };
            if (worse(r1) && worse(r2))
                return;
        }
        Transform t{transpose, {}, cols, digit};
        auto image = [&](int r) {
            Row out;
            for (int j = 0; j < 9; ++j)
                out[j] = t.digit[g[r][cols[j]]];
            return out;
        };
        Row i1 = image(r1), i2 = image(r2);
        if (i2 < i1) {
            std::swap(i1, i2);
            std::swap(r1, r2);
        }
        if (!best_.empty() && i1 > bestImage_[1])
            return;
        Rows img{};
        img[0] = image(top);
        img[1] = i1;
        img[2] = i2;
        t.rows[0] = static_cast<std::uint8_t>(top);
        t.rows[1] = static_cast<std::uint8_t>(r1);
        t.rows[2] = static_cast<std::uint8_t>(r2);
        struct BandImage {
            Rows::value_type rows[3];
            std::uint8_t src[3];
        } bands[2];
        int nb = 0;
        for (int b = 0; b < 9; b += 3) {
            if (b == band)
                continue;
            BandImage& bi = bands[nb++];
            for (int k = 0; k < 3; ++k) {
                bi.rows[k] = image(b + k);
                bi.src[k] = static_cast<std::uint8_t>(b + k);
            }
            for (int x = 0; x < 3; ++x)
                for (int y = x + 1; y < 3; ++y)
                    if (bi.rows[y] < bi.rows[x]) {
                        std::swap(bi.rows[x], bi.rows[y]);
                        std::swap(bi.src[x], bi.src[y]);
                    }
        }
        if (bands[1].rows[0] < bands[0].rows[0])
            std::swap(bands[0], bands[1]);
        for (int b = 0; b < 2; ++b)
            for (int k = 0; k < 3; ++k) {
                img[3 + b * 3 + k] = bands[b].rows[k];
                t.rows[3 + b * 3 + k] = bands[b].src[k];
            }
        if (best_.empty() || img < bestImage_) {
            bestImage_ = img;
            best_.clear();
        } else if (img != bestImage_) {
            return;
        }
        best_.push_back(t);
    }

    const Grid& solution_;
    std::vector<Transform> best_;
    Rows bestImage_{};
};

} // namespace

CanonicalKey Canonical(const Grid& puzzle, const Grid& solution) {
    const auto transforms = Canoniser(solution).Minimal();
    CanonicalKey key;
    key.grid = Apply(transforms.front(), solution);
    key.puzzle = Apply(transforms.front(), puzzle);
    for (const auto& t : transforms)
        key.puzzle = std::min(key.puzzle, Apply(t, puzzle));
    return key;
}

} // namespace bankgen
