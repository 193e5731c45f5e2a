#include "platform/Pip.h"

#include "platform/AudioOutput.h"

#include <algorithm>
#include <cmath>

namespace {

// 120 ms of 880 Hz with 10 ms fades, so the tone starts and ends without a click.
std::shared_ptr<const LjudStroem::Prov> pipton()
{
    constexpr int Frekvens = 44100;
    constexpr int Antal = Frekvens * 120 / 1000;
    constexpr int Toning = Frekvens * 10 / 1000;
    auto prov = std::make_shared<LjudStroem::Prov>(Antal);
    for (int i = 0; i < Antal; ++i) {
        const double styrka = std::min({1.0, double(i) / Toning, double(Antal - i) / Toning});
        (*prov)[size_t(i)] = int16_t(std::lround(9000.0 * styrka * std::sin(2.0 * M_PI * 880.0 * i / Frekvens)));
    }
    return prov;
}

}  // namespace

void Pip()
{
    static const auto ton = pipton();
    AudioOutput::spela(ton, 1, 44100);
}
