#include "PlayfieldCanvasChecks.h"

// The same checks on a screen of twice the pixels, as a 4K screen at 200 %.
int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    PlayfieldCanvasChecks checks(2.0);
    return QTest::qExec(&checks, argc, argv);
}

// NOLINTNEXTLINE(bugprone-suspicious-include): the checks' moc output, which each test compiles in
#include "moc_PlayfieldCanvasChecks.cpp"
