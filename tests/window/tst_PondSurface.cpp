#include "PondSurfaceChecks.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    PondSurfaceChecks checks(1.0);
    return QTest::qExec(&checks, argc, argv);
}

#include "moc_PondSurfaceChecks.cpp"
