#include "app/GameWording.h"

#include <QDir>
#include <new>

QString GameWording::Message(FlowMessage message) {
    switch (message) {
    case FlowMessage::NextLevel: return tr("Postup do další úrovně !");
    case FlowMessage::LevelRepeats: return tr("Úroveň se zopakuje !");
    case FlowMessage::GameLost: return tr("Totální prohra ...");
    case FlowMessage::Victory: return tr("Fantastické vítězství !!!");
    }
    return {};
}

QString GameWording::NoSnake() { return tr("Úroveň neobsahuje zurka, bude tedy přeskočena !"); }

QString GameWording::NoPlayableLevel() { return tr("Žádná úroveň této hry neobsahuje zurka, hru tedy nelze hrát !"); }

QString GameWording::LevelInfoTitle() { return tr("Informace o úrovni"); }

QString GameWording::LevelNumberPrompt() { return tr("Zadejte číslo úrovně !"); }

QString GameWording::LevelInfoText(const LevelInfo& level) {
    return tr("Velikost:%1x%2\nNáhodné kuličky:%3\nNáhodné mušky:%4\nNáhodné balvany:%5\n"
              "Výskyt zlaté kuličky:%6 %\nPočet zmijí:%7")
        .arg(level.Width)
        .arg(level.Height)
        .arg(level.RandomBalls)
        .arg(level.RandomFlies)
        .arg(level.RandomBoulders)
        .arg(level.GoldenBallChance)
        .arg(level.Vipers);
}

QString GameWording::GameInfoText(const GameInfo& game) {
    // A note may end its lines the Windows way, which a box of plain text would show.
    const QString note = QString::fromStdString(game.Note).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return tr("Název hry : %1\nPočet úrovní : %2\nPoznámka : %3")
        .arg(QString::fromStdString(game.Name), QString::number(game.LevelCount), note);
}

QString GameWording::LoadFault(const QString& path, const GameLoadFault& fault) {
    return tr("Hru ze souboru %1 nelze načíst. %2").arg(QDir::toNativeSeparators(path), Reason(fault));
}

QString GameWording::StartFault(const std::exception& failure) {
    return tr("Hru nelze spustit: %1 Hra se vrací na úvodní obrazovku.").arg(Reason(failure));
}

QString GameWording::GameInfoFault(const std::exception& failure) {
    return tr("Informace o hře nelze zobrazit: %1").arg(Reason(failure));
}

QString GameWording::Reason(const std::exception& failure) {
    // The rules throw nothing of their own: what reaches the window is the standard library's,
    // nearly always memory running out, which the player can do something about.
    if (dynamic_cast<const std::bad_alloc*>(&failure)) return tr("nedostává se paměti.");
    return QString::fromLocal8Bit(failure.what()) + QLatin1Char('.');
}

QString GameWording::Reason(const GameLoadFault& fault) {
    switch (fault.File) {
    case FileReadStatus::Missing: return tr("Soubor neexistuje.");
    case FileReadStatus::NotReadable: return tr("Soubor nelze přečíst.");
    case FileReadStatus::Link: return tr("Soubor je odkaz, a hra čte ze své složky jen obyčejné soubory.");
    case FileReadStatus::TooLarge: return tr("Soubor je příliš velký, než aby byl souborem hry.");
    case FileReadStatus::Read: break;
    }
    const GameFileFault& at = fault.Format;
    const QString offset = QString::number(at.Offset);
    switch (at.What) {
    case GameFileFault::ShortHeader:
        return tr("Hlavička hry je useknutá: soubor má jen %1 ze %2.")
            .arg(ByteCount(at.A), QString::number(GameFileHeaderSize));
    case GameFileFault::CutShort: return tr("Záznam na pozici %1 je useknutý koncem souboru.").arg(offset);
    case GameFileFault::TooManyLevels:
        return tr("Na pozici %1 začíná úroveň %2, hlavička ale ohlašuje jen %3.")
            .arg(offset, QString::number(at.Level), LevelCount(at.A));
    case GameFileFault::TooLarge:
        return tr("Úroveň %1 na pozici %2 má rozměr %3x%4, největší dovolený je %5x%6.")
            .arg(QString::number(at.Level), offset, QString::number(at.A), QString::number(at.B),
                 QString::number(MaxFieldWidth), QString::number(MaxFieldHeight));
    case GameFileFault::CellOffMap:
        return tr("Záznam buňky na pozici %1 míří mimo mapu (%2, %3).")
            .arg(offset, QString::number(at.A), QString::number(at.B));
    }
    return {};
}

// Czech counts take three forms: 1, 2 to 4, and 0 or 5 and more. A translation words each of
// them as its own language says that count.
QString GameWording::ByteCount(int n) {
    return (n == 1 ? tr("%1 bajt") : n >= 2 && n <= 4 ? tr("%1 bajty") : tr("%1 bajtů")).arg(n);
}

QString GameWording::LevelCount(int n) {
    return (n == 1 ? tr("%1 úroveň") : n >= 2 && n <= 4 ? tr("%1 úrovně") : tr("%1 úrovní")).arg(n);
}
