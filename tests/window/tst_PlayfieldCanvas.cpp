#include "PlayfieldCanvasChecks.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    PlayfieldCanvasChecks checks(1.0);
    return QTest::qExec(&checks, argc, argv);
}

// NOLINTNEXTLINE(bugprone-suspicious-include): the checks' moc output, which each test compiles in
#include "moc_PlayfieldCanvasChecks.cpp"
