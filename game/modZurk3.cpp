#include "game/modZurk3.h"

#include "creatures/clsMuska.h"
#include "creatures/clsPotapnik.h"
#include "creatures/clsZmije.h"
#include "game/CellSprites.h"
#include "snake/clsZurk.h"

namespace {
// Stand-ins until the owner hands over the real outside world.
SeededRandom& FallbackRandom() {
    static SeededRandom random(1);
    return random;
}
NullPainter FallbackPainter;
SilentCuePlayer FallbackCues;
NullFrontEnd FallbackFrontEnd;
}  // namespace

modZurk3::modZurk3()
    : random_(&FallbackRandom()), painter_(&FallbackPainter), cues_(&FallbackCues), frontEnd_(&FallbackFrontEnd) {}

modZurk3::~modZurk3() { ReleaseLevelObjects(); }

void modZurk3::DrawCell(int x, int y) {
    if (!Field.Inside(x, y)) return;
    const int px = CellPixel(x, CellSize);
    const int py = CellPixel(y, CellSize);
    const int sprite = SpriteForCell(Field.At(x, y));
    if (sprite == WhiteBoxSprite)
        painter_->PaintWhiteBox(px, py, CellSize);
    else
        painter_->PaintSprite(px, py, sprite, SpriteSet);
}

void modZurk3::DrawPlayfield() {
    for (int x = 1; x <= Field.Width(); ++x)
        for (int y = 1; y <= Field.Height(); ++y) DrawCell(x, y);
}

clsZurk& modZurk3::Snake() {
    if (!snake_) snake_ = std::make_unique<clsZurk>(*this);
    return *snake_;
}

void modZurk3::ReleaseSnake() { snake_.reset(); }

clsMuska* modZurk3::FindFly(int key) {
    if (key < 1 || static_cast<std::size_t>(key) > Flies.size()) return nullptr;
    return Flies[static_cast<std::size_t>(key) - 1].get();
}

clsPotapnik& modZurk3::Beetle() {
    if (!beetle_) beetle_ = std::make_unique<clsPotapnik>(*this);
    return *beetle_;
}

void modZurk3::ReleaseBeetle() { beetle_.reset(); }

void modZurk3::ReleaseLevelObjects() {
    ReleaseSnake();
    // One at a time from the front, as each viper gives back its cells in turn.
    while (!Vipers.empty()) Vipers.erase(Vipers.begin());
    Flies.clear();
    ReleaseBeetle();
}
