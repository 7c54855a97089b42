// The pictures built into the game, read through the window's own sprite lists: every sprite is
// there at both sizes and both pixel densities, and the snake's and the vipers' pieces meet on
// their cell edges so that any body reads as one unbroken tube.

#include <QGuiApplication>
#include <QImage>
#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "app/SpriteLists.h"

namespace {

// Edges as bits, in the game's order of directions: up, right, down, left.
constexpr int Top = 1, Right = 2, Bottom = 4, Left = 8;
constexpr int AllEdges[] = {Top, Right, Bottom, Left};

struct TubeSet {
    const char* name;
    int firstHead;     // heads up, right, down, left; then bends, tails and the two straights
    int crackedHeads;  // 0 when the set has none
};
const TubeSet TubeSets[] = {{"grey", 10, 27}, {"yellow", 31, 0}};

// The edges a piece of a set joins, and for a head the edge its mouth opens on.
struct Joins {
    int edges;
    int mouth;
};

Joins PieceJoins(const TubeSet& set, int n) {
    constexpr int headJoins[] = {Bottom, Left, Top, Right};
    if (set.crackedHeads && n >= set.crackedHeads && n < set.crackedHeads + 4)
        return {headJoins[n - set.crackedHeads], AllEdges[n - set.crackedHeads]};
    const int offset = n - set.firstHead;
    constexpr int bends[] = {Top | Right, Bottom | Right, Bottom | Left, Top | Left};
    if (offset < 4) return {headJoins[offset], AllEdges[offset]};
    if (offset < 8) return {bends[offset - 4], 0};
    if (offset < 12) return {AllEdges[offset - 8], 0};
    return {offset == 12 ? Left | Right : Top | Bottom, 0};
}

std::vector<int> Pieces(const TubeSet& set) {
    std::vector<int> pieces;
    for (int n = set.firstHead; n < set.firstHead + 14; ++n) pieces.push_back(n);
    if (set.crackedHeads)
        for (int n = set.crackedHeads; n < set.crackedHeads + 4; ++n) pieces.push_back(n);
    return pieces;
}

// The pixels along one edge, read left to right or top to bottom.
std::vector<QRgb> EdgeLine(const QImage& image, int edge) {
    std::vector<QRgb> line;
    const int last = image.width() - 1;
    for (int i = 0; i <= last; ++i) {
        switch (edge) {
        case Top: line.push_back(image.pixel(i, 0)); break;
        case Right: line.push_back(image.pixel(last, i)); break;
        case Bottom: line.push_back(image.pixel(i, last)); break;
        default: line.push_back(image.pixel(0, i)); break;
        }
    }
    return line;
}

int Brightest(QRgb pixel) { return std::max({qRed(pixel), qGreen(pixel), qBlue(pixel)}); }

int Difference(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

class BuiltInPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tst_pictures";
        static char* argv[] = {name, nullptr};
        app = std::make_unique<QGuiApplication>(argc, argv);
        sprites = std::make_unique<SpriteLists>();
    }
    static void TearDownTestSuite() {
        sprites.reset();
        app.reset();
    }

    static QImage Sprite(int set, int n, int scale) {
        return sprites->Sprite(set, n, scale).toImage().convertToFormat(QImage::Format_RGB32);
    }

    static std::unique_ptr<QGuiApplication> app;
    static std::unique_ptr<SpriteLists> sprites;
};
std::unique_ptr<QGuiApplication> BuiltInPictures::app;
std::unique_ptr<SpriteLists> BuiltInPictures::sprites;

// Every sprite has its cell's size at both densities and shows a figure on black ground; anything
// out of range is a white square.
TEST_F(BuiltInPictures, EverySpriteHasItsSizeAndAFigureOnBlack) {
    for (int set = 0; set < SpriteLists::Sets; ++set)
        for (int scale = 1; scale <= 2; ++scale)
            for (int n = 1; n <= SpriteCount; ++n) {
                const QImage image = Sprite(set, n, scale);
                ASSERT_EQ(image.size(), QSize(SpriteLists::CellSize(set), SpriteLists::CellSize(set)) * scale);
                int brightest = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x)
                        brightest = std::max(brightest, Brightest(image.pixel(x, y)));
                const bool fillsCell = n == 2 || n == 24 || n == 25;  // the wall and the house frames
                EXPECT_TRUE(fillsCell || image.pixel(0, 0) == qRgb(0, 0, 0)) << "set " << set << " sprite " << n;
                EXPECT_EQ(brightest > 128, n != 1) << "set " << set << " scale " << scale << " sprite " << n;
            }
    EXPECT_EQ(Sprite(1, 25, 1).pixel(10, 10), qRgb(0, 0, 0)) << "the open house is black inside";
    EXPECT_EQ(Sprite(1, 46, 2).pixel(20, 20), qRgb(255, 255, 255)) << "beyond the sprites, a white square";
}

TEST_F(BuiltInPictures, TubePiecesMeetOnTheirEdgesWithTheSamePixels) {
    // Every joining edge carries the straight tube's cross-section, so two neighbours fit
    // whatever they are; every other edge is bare water, so nothing sticks out of a body.
    // A head's mouth may reach its own edge. The tolerance covers the antialiased outer rim of a
    // bend, a few levels darker than the straight's; a tube shifted by one pixel differs by far more.
    constexpr int tolerance = 12;
    for (const TubeSet& set : TubeSets)
        for (int sizes = 0; sizes < SpriteLists::Sets; ++sizes)
            for (int scale = 1; scale <= 2; ++scale) {
                const std::vector<QRgb> section = EdgeLine(Sprite(sizes, set.firstHead + 13, scale), Top);
                for (const int n : Pieces(set)) {
                    const QImage piece = Sprite(sizes, n, scale);
                    const Joins joins = PieceJoins(set, n);
                    for (const int edge : AllEdges) {
                        if (edge == joins.mouth) continue;
                        const std::vector<QRgb> line = EdgeLine(piece, edge);
                        for (std::size_t i = 0; i < line.size(); ++i) {
                            const int expected =
                                joins.edges & edge ? Difference(line[i], section[i]) : Brightest(line[i]);
                            ASSERT_LE(expected, tolerance)
                                << set.name << " sprite " << n << " cell " << SpriteLists::CellSize(sizes) * scale
                                << " edge " << edge << " pixel " << i;
                        }
                    }
                }
            }
}

}  // namespace
