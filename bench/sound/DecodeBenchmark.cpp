// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes each clip of the sound bank many times and prints, per clip, the
// median decode time as a share of the clip's length. A clip is decoded at
// every play, on the interface thread, so decoding must stay a small part of
// the wait: the target is at most 2 %. Exits with 1 when a clip does not
// decode, or misses the target while the limits are on.
#include "BenchLimits.h"
#include "SoundBank.h"
#include "WavDecoder.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace velmora {
namespace {

constexpr double kTargetPercent = 2.0;

struct ClipRow {
    SoundClip clip;
    double nominalSeconds;
};

constexpr ClipRow kClips[] = {
    {SoundClip::SeventhMiss, 51 * 1152 / 44100.0},
    {SoundClip::NewTitle, 44 * 1152 / 44100.0},
    {SoundClip::RoundLost, 159232 / 4 / 44100.0},
    {SoundClip::Miss, 94208 / 4 / 44100.0},
    {SoundClip::RoundWon, 285184 / 4 / 44100.0},
    {SoundClip::LetterFound, 30 * 1152 / 44100.0},
};

double medianDecodeSeconds(const QByteArray& image, int runs)
{
    std::vector<double> times;
    times.reserve(runs);
    qint64 frames = 0;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const auto decoded = WavDecoder::decode(image);
        const auto end = std::chrono::steady_clock::now();
        // Using the result keeps the decode from being optimised away.
        frames += decoded.frameCount();
        times.push_back(std::chrono::duration<double>(end - start).count());
    }
    if (frames == 0)
        return -1;
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[runs / 2];
}

int run(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const SoundBank bank;
    const int runs = benchRuns(201);
    bool allDecoded = true;
    bool allWithinTarget = true;
    std::printf("clip  length    median decode  share of length (target <= %.1f %%, %d runs)\n",
                kTargetPercent, runs);
    for (const ClipRow& row : kClips) {
        const double seconds = medianDecodeSeconds(bank.clip(row.clip), runs);
        if (seconds < 0) {
            std::printf("%d   does not decode\n", static_cast<int>(row.clip));
            allDecoded = false;
            continue;
        }
        const double percent = 100.0 * seconds / row.nominalSeconds;
        const bool withinTarget = percent <= kTargetPercent;
        allWithinTarget = allWithinTarget && withinTarget;
        std::printf("%d   %.3f s   %8.3f ms    %6.3f %%%s\n", static_cast<int>(row.clip),
                    row.nominalSeconds, seconds * 1000.0, percent, withinTarget ? "" : "  TOO SLOW");
    }
    return allDecoded && (allWithinTarget || !benchLimitsEnforced()) ? 0 : 1;
}

} // namespace
} // namespace velmora

int main(int argc, char** argv)
{
    return velmora::run(argc, argv);
}
