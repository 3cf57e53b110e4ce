// The material presets offered on the Young's-modulus boxes.
#pragma once

#include <array>

namespace tavrel
{

struct MaterialPreset {
    const char *item;    // name of the menu item
    const char *caption; // what the menu shows
    double modulus;      // Young's modulus, kgf/mm^2
};

// In menu order.
inline constexpr std::array<MaterialPreset, 7> kMaterialPresets = {{
    {"N21", "鋼", 21000},       // steel
    {"N22", "SS400", 20200},    // rolled steel for general structures
    {"N23", "SUS304", 19700},   // austenitic stainless steel
    {"N24", "SUS420J2", 20400}, // martensitic stainless steel
    {"N25", "FC30", 13000},     // grey cast iron
    {"N26", "FCD45", 17000},    // ductile cast iron
    {"N27", "アルミ", 7000},    // aluminium
}};

} // namespace tavrel
