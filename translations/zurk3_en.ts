<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="cs">
<context>
    <name>GameScreen</name>
    <message>
        <source>Pauza</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Z tohoto domečku po stisknutí jakékoliv kurzorové klávesy vyleze Zurk, jeho pohyb pak řídíte týmiž klávesami.</source>
        <translation>Press any arrow key and Zurk crawls out of this house; the same keys steer him.</translation>
    </message>
    <message>
        <source>Nyní se musíte vrátit zpět do domečku.</source>
        <translation>Now you must go back into the house.</translation>
    </message>
</context>
<context>
    <name>GameWording</name>
    <message>
        <source>Postup do další úrovně !</source>
        <translation>On to the next level!</translation>
    </message>
    <message>
        <source>Úroveň se zopakuje !</source>
        <translation>The level starts over!</translation>
    </message>
    <message>
        <source>Totální prohra ...</source>
        <translation>Game over...</translation>
    </message>
    <message>
        <source>Fantastické vítězství !!!</source>
        <translation>Fantastic victory!!!</translation>
    </message>
    <message>
        <source>Úroveň neobsahuje zurka, bude tedy přeskočena !</source>
        <translation>The level has no house for Zurk, so it is skipped!</translation>
    </message>
    <message>
        <source>Velikost:%1x%2
Náhodné kuličky:%3
Náhodné mušky:%4
Náhodné balvany:%5
Výskyt zlaté kuličky:%6 %
Počet zmijí:%7</source>
        <translation>Size: %1x%2
Random balls: %3
Random flies: %4
Random boulders: %5
Golden ball chance: %6%
Vipers: %7</translation>
    </message>
    <message>
        <source>Název hry : %1
Počet úrovní : %2
Poznámka : %3</source>
        <translation>Game file: %1
Levels: %2
Note: %3</translation>
    </message>
    <message>
        <source>Hru ze souboru %1 nelze načíst. %2</source>
        <translation>The game cannot be loaded from the file %1. %2</translation>
    </message>
    <message>
        <source>Záznam na pozici %1 je useknutý koncem souboru.</source>
        <translation>The record at offset %1 is cut short by the end of the file.</translation>
    </message>
    <message>
        <source>Na pozici %1 začíná úroveň %2, hlavička ale ohlašuje jen %3.</source>
        <translation>Level %2 starts at offset %1, but the header announces only %3.</translation>
    </message>
    <message>
        <source>Záznam buňky na pozici %1 míří mimo mapu (%2, %3).</source>
        <translation>The cell record at offset %1 points outside the map (%2, %3).</translation>
    </message>
    <message>
        <source>%1 bajt</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>%1 bajty</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 bajtů</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 úroveň</source>
        <translation>%1 level</translation>
    </message>
    <message>
        <source>%1 úrovně</source>
        <translation>%1 levels</translation>
    </message>
    <message>
        <source>%1 úrovní</source>
        <translation>%1 levels</translation>
    </message>
    <message>
        <source>Hlavička hry je useknutá: soubor má jen %1 ze %2.</source>
        <translation>The game header is cut short: the file has only %1 of %2.</translation>
    </message>
    <message>
        <source>Úroveň %1 na pozici %2 má rozměr %3x%4, největší dovolený je %5x%6.</source>
        <translation>Level %1 at offset %2 is %3x%4 in size; the largest allowed is %5x%6.</translation>
    </message>
    <message>
        <source>Žádná úroveň této hry neobsahuje zurka, hru tedy nelze hrát !</source>
        <translation>No level of this game has a house for Zurk, so the game cannot be played!</translation>
    </message>
    <message>
        <source>Informace o úrovni</source>
        <translation>Level information</translation>
    </message>
    <message>
        <source>Zadejte číslo úrovně !</source>
        <translation>Enter a level number:</translation>
    </message>
    <message>
        <source>Soubor neexistuje.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Soubor nelze přečíst.</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message>
        <source>Soubor je odkaz, a hra čte ze své složky jen obyčejné soubory.</source>
        <translation>The file is a link, and the game reads only plain files from its folder.</translation>
    </message>
    <message>
        <source>Soubor je příliš velký, než aby byl souborem hry.</source>
        <translation>The file is far too large to be a game file.</translation>
    </message>
    <message>
        <source>Hru nelze spustit: %1 Hra se vrací na úvodní obrazovku.</source>
        <translation>The game cannot start: %1 The game goes back to its title screen.</translation>
    </message>
    <message>
        <source>Informace o hře nelze zobrazit: %1</source>
        <translation>The information about the game cannot be shown: %1</translation>
    </message>
    <message>
        <source>nedostává se paměti.</source>
        <translation>there is not enough memory.</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Zurk3 - Nápověda</source>
        <translation>Zurk3 - Help</translation>
    </message>
    <message>
        <source>Zurk3.hlp</source>
        <extracomment>The help file in the language of the translation, beside the Czech Zurk3.hlp in the program&apos;s folder, e.g. Zurk3.en.hlp.</extracomment>
        <translation>Zurk3.en.hlp</translation>
    </message>
    <message>
        <source>Soubor nápovědy %1 nebyl nalezen v domovské složce programu.</source>
        <translation>The help file %1 was not found in the program&apos;s folder.</translation>
    </message>
    <message>
        <source>Soubor nápovědy %1 v domovské složce programu nelze přečíst.</source>
        <translation>The help file %1 in the program&apos;s folder cannot be read.</translation>
    </message>
    <message>
        <source>Soubor nápovědy %1 v domovské složce programu je příliš velký: nápověda smí mít nejvýše %2 KiB.</source>
        <translation>The help file %1 in the program&apos;s folder is too large: the help may be at most %2 KiB.</translation>
    </message>
    <message>
        <source>Soubor nápovědy %1 v domovské složce programu není text v kódování UTF-8.</source>
        <translation>The help file %1 in the program&apos;s folder is not text in UTF-8.</translation>
    </message>
    <message>
        <source>Soubor nápovědy %1 v domovské složce programu má značky vnořené hlouběji než do %2 úrovní.</source>
        <translation>The help file %1 in the program&apos;s folder nests its tags deeper than %2 levels.</translation>
    </message>
</context>
<context>
    <name>MainMenu</name>
    <message>
        <source>&amp;Hra</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>&amp;Informace</source>
        <translation>&amp;Information</translation>
    </message>
    <message>
        <source>&amp;Konec</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Další &amp;funkce</source>
        <translation>&amp;Extras</translation>
    </message>
    <message>
        <source>&amp;Nastavení</source>
        <translation>&amp;Settings</translation>
    </message>
    <message>
        <source>&amp;WWW Zurk</source>
        <translation>Zurk on the &amp;web</translation>
    </message>
    <message>
        <source>Nápo&amp;věda</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Obsah</source>
        <translation>&amp;Contents</translation>
    </message>
</context>
<context>
    <name>OpenWebPage</name>
    <message>
        <source>Internetovou adresu nelze otevřít v prohlížeči ! Zkopírujte si ji:</source>
        <translation>The web address cannot be opened in a browser! Copy it from here:</translation>
    </message>
</context>
<context>
    <name>Pictures</name>
    <message>
        <source>starthint</source>
        <extracomment>The start hint drawn in the language of the translation, &quot;starthint.&lt;language&gt;&quot;; the Czech one stands in when the program has no such picture.</extracomment>
        <translation>starthint.en</translation>
    </message>
</context>
<context>
    <name>StatusPanel</name>
    <message>
        <source>Celkem bodů</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Úroveň</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Životy</source>
        <translation>Lives</translation>
    </message>
    <message>
        <source>Nutná délka</source>
        <translation>Length needed</translation>
    </message>
    <message>
        <source>Délka zurka</source>
        <translation>Zurk&apos;s length</translation>
    </message>
    <message>
        <source>Bonus</source>
        <translation>Bonus</translation>
    </message>
</context>
<context>
    <name>WebAddress</name>
    <message>
        <source>V domovské složce programu nelze najít soubor WWW_Zurk.txt, kde je uložena internetová adresa WWW Zurk !</source>
        <translation>The file WWW_Zurk.txt, which holds the address of Zurk&apos;s web page, cannot be found in the program&apos;s folder!</translation>
    </message>
    <message>
        <source>Soubor WWW_Zurk.txt v domovské složce programu nelze přečíst !</source>
        <translation>The file WWW_Zurk.txt in the program&apos;s folder cannot be read!</translation>
    </message>
    <message>
        <source>Soubor WWW_Zurk.txt v domovské složce programu neobsahuje internetovou adresu WWW Zurk !</source>
        <translation>The file WWW_Zurk.txt in the program&apos;s folder holds no address of Zurk&apos;s web page!</translation>
    </message>
    <message>
        <source>Pozor: adresa nese jméno uživatele %1, stránka je na serveru %2.</source>
        <translation>Mind: the address carries the user name %1; the page is on the server %2.</translation>
    </message>
</context>
<context>
    <name>frmNastav</name>
    <message>
        <source>Nastavení</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Rychlost pohybu Zurka</source>
        <translation>Zurk&apos;s speed</translation>
    </message>
    <message>
        <source>Pomalu</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>Rychle</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Storno</source>
        <translation>&amp;Cancel</translation>
    </message>
</context>
<context>
    <name>frmRybnik</name>
    <message>
        <source>Domovskou složku programu nelze najít, a tak hra nenačte žádný soubor: ani hru, ani zvuky, ani nápovědu !</source>
        <translation>The program&apos;s folder cannot be found, so the game reads no file at all: not the game, not the sounds, not the help!</translation>
    </message>
</context>
</TS>
