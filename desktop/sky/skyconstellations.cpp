// SPDX-License-Identifier: BSD-3-Clause
#include "desktop/sky/skyconstellations.h"

#include <QString>
#include <array>

namespace sky {
namespace {

constexpr std::array<const char*, 88> kAbbreviations = {
    "And", "Mon", "Sgr", "Del", "Ind", "Psc", "Lep", "Boo", "Hya", "Eri", "Tau",
    "CMa", "Lup", "UMa", "Vir", "Ari", "Ori", "Pic", "Cas", "Dor", "Cnc", "Com",
    "Cha", "Crv", "CrB", "Tuc", "Aur", "Cam", "Pav", "Cet", "Cep", "Cen", "Mic",
    "CMi", "Equ", "Vul", "UMi", "LMi", "Crt", "Lyr", "Cir", "Ara", "Sco", "Tri",
    "Leo", "Nor", "Sct", "Cae", "Scl", "Gru", "Men", "Lib", "Lac", "Hor", "Vol",
    "Pup", "Mus", "Cyg", "Oct", "Col", "Aps", "Gem", "Peg", "Ser", "Oph", "Her",
    "Per", "Vel", "Tel", "Phe", "Ant", "Aqr", "Hyi", "Cru", "PsA", "CrA", "TrA",
    "Sge", "Cap", "Lyn", "Pyx", "Dra", "Car", "CVn", "Ret", "For", "Sex", "Aql",
};

}  // namespace

const char* ConstellationAbbreviation(int number) {
    return number >= 1 && number <= 88 ? kAbbreviations[static_cast<std::size_t>(number - 1)] : nullptr;
}

int ConstellationNumber(QStringView abbreviation) {
    for (std::size_t i = 0; i < kAbbreviations.size(); ++i)
        if (abbreviation == QLatin1String(kAbbreviations[i])) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace sky
