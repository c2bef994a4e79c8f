#include "data/nutrient_columns.h"

const std::array<NutrientColumn, kFieldCount> kTableColumns = {{
    {"Fruit name", "100 g"},
    {"Water", "g"},
    {"Energy", "kcal"},
    {"Protein", "g"},
    {"Total lipid (fat)", "g"},
    {"Ash", "g"},
    {"Carbohydrate", "g"},
    {"Total dietary fiber", "g"},
    {"Total sugars", "g"},
    {"Calcium", "mg"},
    {"Iron", "mg"},
    {"Magnesium", "mg"},
    {"Phosphorus", "mg"},
    {"Potassium", "mg"},
    {"Sodium", "mg"},
    {"Zinc", "mg"},
    {"Copper", "mg"},
    {"Manganese", "mg"},
    {"Selenium", "\xB5g"},
    {"Vitamin C", "mg"},
    {"Vitamin B1", "mg"},
    {"Vitamin B2", "mg"},
    {"Vitamin B3", "mg"},
    {"Vitamin B5", "mg"},
    {"Vitamin B6", "mg"},
    {"Folic acid", "\xB5g"},
    {"Vitamin A", "IU"},
    {"Carotenoids", "\xB5g"},
    {"Vitamin E", "mg"},
    {"Vitamin K", "\xB5g"},
    {"Saturated fatty acids", "g"},
    {"Monounsaturated fatty acids", "g"},
    {"Polyunsaturated fatty acids", "g"},
}};

// Energy before water, sugars before fibre, zinc before sodium, carotenoids after vitamins E and K.
const std::array<std::size_t, kFieldCount> kDisplayToTableField = {
    0,  2,  1,  3,  4,  5,  6,  8,  7,  9,  10, 11, 12, 13, 15, 14, 16,
    17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 28, 29, 27, 30, 31, 32};
