// The Spanish names of the 33 columns, in Windows-1252; the units stay the same but for the
// international unit, "UI" in Spanish.
#include "data/nutrient_columns.h"

const std::array<NutrientColumn, kFieldCount> kTableColumnsSpanish = {{
    {"Nombre de la fruta", "100 g"},
    {"Agua", "g"},
    {"Energ\xED"
     "a",
     "kcal"},
    {"Prote\xEDnas", "g"},
    {"L\xEDpidos totales (grasa)", "g"},
    {"Cenizas", "g"},
    {"Hidratos de carbono", "g"},
    {"Fibra alimentaria total", "g"},
    {"Az\xFA"
     "cares totales",
     "g"},
    {"Calcio", "mg"},
    {"Hierro", "mg"},
    {"Magnesio", "mg"},
    {"F\xF3sforo", "mg"},
    {"Potasio", "mg"},
    {"Sodio", "mg"},
    {"Zinc", "mg"},
    {"Cobre", "mg"},
    {"Manganeso", "mg"},
    {"Selenio", "\xB5g"},
    {"Vitamina C", "mg"},
    {"Vitamina B1", "mg"},
    {"Vitamina B2", "mg"},
    {"Vitamina B3", "mg"},
    {"Vitamina B5", "mg"},
    {"Vitamina B6", "mg"},
    {"\xC1"
     "cido f\xF3lico",
     "\xB5g"},
    {"Vitamina A", "UI"},
    {"Carotenoides", "\xB5g"},
    {"Vitamina E", "mg"},
    {"Vitamina K", "\xB5g"},
    {"\xC1"
     "cidos grasos saturados",
     "g"},
    {"\xC1"
     "cidos grasos monoinsaturados",
     "g"},
    {"\xC1"
     "cidos grasos poliinsaturados",
     "g"},
}};

const std::array<NutrientColumn, kFieldCount>& tableColumns(Language language) {
    return language == Language::Spanish ? kTableColumnsSpanish : kTableColumns;
}
