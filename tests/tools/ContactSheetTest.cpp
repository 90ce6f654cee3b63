#include "CatalogueImages.h"
#include "catalogue/ContactSheet.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <memory>

namespace pivo::tool {
namespace {

class ContactSheetTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Labels need a font, and fonts need an application.
        static int argc = 1;
        static char name[] = "tool_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            static QGuiApplication app(argc, argv);
        }
    }

    std::unique_ptr<Catalogue> catalogueOf(const std::vector<testing::Record>& records) {
        auto catalogue = std::make_unique<Catalogue>();
        catalogue->loadRecords(testing::imageOf(records));
        return catalogue;
    }
};

// Figures sit six to a row, silver cells with black silhouettes; the sheet grows by rows.
TEST_F(ContactSheetTest, DrawsSilhouettesSixToARow) {
    std::vector<testing::Record> records(13, {2, testing::squareFigure()});
    const auto catalogue = catalogueOf(records);
    const ContactSheet sheet(*catalogue, std::nullopt);
    ASSERT_EQ(sheet.figureCount(), 13);
    const QImage image = sheet.render();
    const int cellWidth = 121 * 2, cellHeight = 81 * 2 + 20;
    EXPECT_EQ(image.width(), 4 + 6 * (cellWidth + 4));
    EXPECT_EQ(image.height(), 4 + 3 * (cellHeight + 4));
    // The square of the two large triangles spans units 46..66 x 26..46 of each cell.
    const QPoint inSquare(4 + 56 * 2, 4 + 36 * 2);
    const QPoint besideIt(4 + 10 * 2, 4 + 70 * 2);
    EXPECT_EQ(image.pixelColor(inSquare), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(besideIt), QColor(192, 192, 192));
    const QPoint thirteenth(4 + 56 * 2, 4 + 2 * (cellHeight + 4) + 36 * 2);
    EXPECT_EQ(image.pixelColor(thirteenth), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(thirteenth + QPoint(cellWidth + 4, 0)), QColor(Qt::white));
    // Something is written in the label band under the first cell.
    bool labelled = false;
    for (int x = 4; x < 4 + cellWidth && !labelled; ++x)
        for (int y = 4 + 162; y < 4 + cellHeight && !labelled; ++y) labelled = image.pixelColor(x, y) != QColor(Qt::white);
    EXPECT_TRUE(labelled);
    // Ratings take a second line under each label.
    EXPECT_EQ(ContactSheet(*catalogue, std::nullopt, std::vector<int>(13, 2)).render().height(), 4 + 3 * (cellHeight + 20 + 4));
}

// One category only; records the game cannot use are left out and counted.
TEST_F(ContactSheetTest, SelectsCategoryAndLeavesOutUnusable) {
    std::vector<testing::Record> records = testing::validCatalogue();
    records[20].placement[0].orientation = 200;
    records[21].category = 12;
    const auto catalogue = catalogueOf(records);
    const ContactSheet two(*catalogue, 2);
    EXPECT_EQ(two.figureCount(), 8);
    EXPECT_EQ(two.leftOut(), 1);
    const ContactSheet all(*catalogue, std::nullopt);
    EXPECT_EQ(all.figureCount(), 78);
    EXPECT_EQ(all.leftOut(), 2);
    EXPECT_EQ(ContactSheet(*catalogue, 5).render().width(), 4 + 6 * (242 + 4));
}

// A whole catalogue is drawn at half the scale, twelve to a row, so the picture stays viewable.
TEST_F(ContactSheetTest, LargeSelectionsDrawnSmaller) {
    std::vector<testing::Record> records(601, {0, testing::squareFigure()});
    const auto catalogue = catalogueOf(records);
    const QImage image = ContactSheet(*catalogue, std::nullopt).render();
    EXPECT_EQ(image.width(), 4 + 12 * (121 + 4));
    EXPECT_EQ(image.height(), 4 + 51 * (81 + 14 + 4));
}

}  // namespace
}  // namespace pivo::tool
