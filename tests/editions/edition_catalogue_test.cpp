#include <gtest/gtest.h>

#include <string_view>

#include "edition.h"

namespace {

using editions::edition;

struct CatalogueRow {
    int index;
    std::string_view loginClass;
    int loginLayout;
    std::string_view settingsClass;
    int settingsLayout;
    std::string_view title;
    int loginHeight;
};

TEST(EditionCatalogueTest, EachIndexNamesItsWindowsLayoutsAndTitle) {
    const CatalogueRow rows[] = {
        {0, "CqumatproDlg", 141, "Qumat_main_en", 143, "Corvane 4.1", 205},
        {1, "CqumatproDlg_Rus", 147, "Qumat_main_en_rus", 146, "Corvane 4.1", 203},
        {2, "login_fran", 148, "Qumat_main_en_fran", 149, "Corvane 4.1", 203},
        {3, "login_span", 151, "Qumat_main_en_span", 150, "Corvane 4.1", 203},
        {4, "login_stc", 153, "Qumat_main_en_stc", 154, "KORVATEN 4.0", 205},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        const auto& record = edition(row.index);
        EXPECT_EQ(record.index, row.index);
        EXPECT_EQ(record.loginWindowClass, row.loginClass);
        EXPECT_EQ(record.loginLayout, row.loginLayout);
        EXPECT_EQ(record.settingsWindowClass, row.settingsClass);
        EXPECT_EQ(record.settingsLayout, row.settingsLayout);
        EXPECT_EQ(record.title, row.title);
        EXPECT_EQ(record.language.loginSize.width, 383);
        EXPECT_EQ(record.language.loginSize.height, row.loginHeight);
        EXPECT_EQ(record.language.settingsSize.width, 712);
        EXPECT_EQ(record.language.settingsSize.height, 321);
    }
}

TEST(EditionCatalogueTest, OnlyThePortugueseEditionServesTheOtherCameraModel) {
    for (const auto& record : editions::allEditions()) {
        const bool portuguese = record.index == editions::kPortuguese;
        SCOPED_TRACE(record.language.name);
        EXPECT_EQ(record.language.relabelsConnectFailBox, record.index != editions::kEnglish);
        EXPECT_EQ(record.language.hasLanguageList, !portuguese);
        EXPECT_EQ(record.language.keepsUserType, portuguese);
        EXPECT_EQ(record.model.usesLongMenuRecord(), portuguese);
        EXPECT_EQ(record.model.readsSerialNumber, !portuguese);
    }
}

TEST(EditionCatalogueTest, LanguageListPositionsAreEditionIndexes) {
    // The four lists offer English, Russian, French and Spanish in this order in every edition.
    const std::string_view english[] = {"English", "Russian", "French", "Spanish"};
    for (int position = 0; position < 4; ++position) {
        EXPECT_EQ(edition(editions::kEnglish).language.login.languages[position], english[position]);
        EXPECT_EQ(edition(position).language.name, english[position]);
    }
}

TEST(DialogUnitsTest, ConvertAtTheEightPointDialogFont) {
    EXPECT_EQ(editions::horizontalPixels(383), 575);
    EXPECT_EQ(editions::verticalPixels(205), 333);
    EXPECT_EQ(editions::verticalPixels(203), 330);
    EXPECT_EQ(editions::horizontalPixels(712), 1068);
    EXPECT_EQ(editions::verticalPixels(321), 522);
}

}  // namespace
