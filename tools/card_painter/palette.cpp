#include "palette.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace velmora::painter {
namespace {

struct Colour {
    std::array<int, 4> channel;  // red, green, blue, alpha
    std::int64_t count;
};

// Alpha differences weigh more: an edge that turns see-through shows.
constexpr std::array<int, 4> kWeight = {1, 1, 1, 3};

using Box = std::vector<Colour>;

std::array<double, 4> Mean(const Box& box) {
    std::array<double, 4> sum{};
    double total = 0;
    for (const Colour& c : box) {
        for (int k = 0; k < 4; ++k) sum[k] += double(c.channel[k]) * c.count;
        total += c.count;
    }
    for (double& s : sum) s /= total;
    return sum;
}

// How much the box's colours stray from its mean: the box to split next.
double Error(const Box& box) {
    const auto mean = Mean(box);
    double error = 0;
    for (const Colour& c : box)
        for (int k = 0; k < 4; ++k) error += kWeight[k] * c.count * (c.channel[k] - mean[k]) * (c.channel[k] - mean[k]);
    return error;
}

// Splits the box at the weighted median of its widest channel.
std::pair<Box, Box> Split(Box box) {
    int widest = 0, widestRange = -1;
    for (int k = 0; k < 4; ++k) {
        const auto [low, high] = std::minmax_element(box.begin(), box.end(), [k](const Colour& a, const Colour& b) {
            return a.channel[k] < b.channel[k];
        });
        const int range = (high->channel[k] - low->channel[k]) * kWeight[k];
        if (range > widestRange) widest = k, widestRange = range;
    }
    std::sort(box.begin(), box.end(), [widest](const Colour& a, const Colour& b) {
        return a.channel[widest] < b.channel[widest];
    });
    std::int64_t total = 0;
    for (const Colour& c : box) total += c.count;
    // The first half takes colours until it holds half the pixels, but each
    // half keeps at least one colour.
    std::int64_t seen = 0;
    std::size_t firstHalf = 0;
    while (firstHalf + 1 < box.size() && (firstHalf == 0 || seen < total / 2)) seen += box[firstHalf++].count;
    const auto middle = box.begin() + static_cast<std::ptrdiff_t>(firstHalf);
    return {Box(box.begin(), middle), Box(middle, box.end())};
}

}  // namespace

QImage ToPalette(const QImage& picture) {
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32);
    std::unordered_map<QRgb, std::int64_t> histogram;
    for (int y = 0; y < source.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x)
            if (qAlpha(line[x]) != 0) ++histogram[line[x]];
    }

    std::vector<Box> boxes(1);
    for (const auto& [rgba, count] : histogram)
        boxes[0].push_back({{qRed(rgba), qGreen(rgba), qBlue(rgba), qAlpha(rgba)}, count});
    while (boxes.size() < 255) {  // entry 0 is for the transparent pixels
        auto worst = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return (a.size() > 1 ? Error(a) : -1) < (b.size() > 1 ? Error(b) : -1);
        });
        if (worst->size() < 2) break;
        auto [low, high] = Split(std::move(*worst));
        *worst = std::move(low);
        boxes.push_back(std::move(high));
    }

    QVector<QRgb> table{qRgba(0, 0, 0, 0)};
    for (const Box& box : boxes) {
        const auto mean = Mean(box);
        table.push_back(qRgba(int(mean[0] + 0.5), int(mean[1] + 0.5), int(mean[2] + 0.5), int(mean[3] + 0.5)));
    }
    std::unordered_map<QRgb, uchar> nearest{{0u, 0}};
    const auto indexOf = [&](QRgb rgba) -> uchar {
        if (qAlpha(rgba) == 0) return 0;
        if (const auto known = nearest.find(rgba); known != nearest.end()) return known->second;
        int best = 1;
        long bestDistance = -1;
        for (int i = 1; i < table.size(); ++i) {
            const int d[4] = {qRed(rgba) - qRed(table[i]), qGreen(rgba) - qGreen(table[i]),
                              qBlue(rgba) - qBlue(table[i]), qAlpha(rgba) - qAlpha(table[i])};
            long distance = 0;
            for (int k = 0; k < 4; ++k) distance += long(kWeight[k]) * d[k] * d[k];
            if (bestDistance < 0 || distance < bestDistance) best = i, bestDistance = distance;
        }
        return nearest[rgba] = static_cast<uchar>(best);
    };

    QImage indexed(source.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < source.width(); ++x) out[x] = indexOf(in[x]);
    }
    return indexed;
}

}  // namespace velmora::painter
