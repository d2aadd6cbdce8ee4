// The table of screen texts: one row per text, German first, then its English twin.
#include "game/view/texts.hpp"

#include <array>
#include <cstddef>

#include "base/fatal.hpp"

namespace korvedan {

namespace {

struct TextRow {
  Text id;
  std::string_view german;
  std::string_view english;
};

constexpr auto count = static_cast<std::size_t>(Text::Count);

constexpr std::array<TextRow, count> rows{{
    {Text::Tagline, "GRABEN. SAMMELN. NICHTS AUF DEN KOPF KRIEGEN.", "DIG. COLLECT. DO NOT GET HIT ON THE HEAD."},
    {Text::BuildPrefix, "BUILD ", "BUILD "},
    {Text::HelpHint, "F1: HILFE", "F1: HELP"},
    {Text::PlayerPrefix, "SPIELER ", "PLAYER "},
    {Text::SolvedMiddle, " GESCHAFFT - ", " DONE - "},
    {Text::PointsSuffix, " PUNKTE", " POINTS"},
    {Text::NamePrefix, "NAME: ", "NAME: "},
    {Text::CaveWord, " SCHACHT ", " CAVE "},
    {Text::OfWord, " VON ", " OF "},
    {Text::Locked, "NOCH VERSCHLOSSEN", "STILL LOCKED"},
    {Text::BestPrefix, "BESTWERT ", "BEST "},
    {Text::CrystalsToHatch, " KRISTALLE BIS ZUR LUKE", " CRYSTALS TO OPEN THE HATCH"},
    {Text::TypingHelp, "TIPPEN, DANN EINGABE. ESC: ABBRUCH", "TYPE, THEN ENTER. ESC: CANCEL"},
    {Text::StartPrompt, "LEERTASTE ODER TIPPEN: LOS!", "SPACE OR TAP: GO!"},
    {Text::PlayersPrefix, "HOCH: ", "UP: PLAYERS "},
    {Text::PlayersMiddle, " SPIELER   RUNTER: ", "   DOWN: "},
    {Text::Easy, "LEICHT", "EASY"},
    {Text::Normal, "NORMAL", "NORMAL"},
    {Text::Hard, "SCHWER", "HARD"},
    {Text::ProControllers, " PRO CONTROLLER", " PRO CONTROLLER"},
    {Text::OneGamepad, "1 GAMEPAD", "1 GAMEPAD"},
    {Text::Gamepads, " GAMEPADS", " GAMEPADS"},
    {Text::HelpOnePlayer, "PFEILE: LAUFEN  UMSCHALT: GREIFEN  LEER: DYNAMIT", "ARROWS: WALK  SHIFT: GRAB  SPACE: DYNAMITE"},
    {Text::HelpTwoPlayers, "1: PFEILE, UMSCH. R., STRG   2: WASD, UMSCH. L., Q",
     "1: ARROWS, R. SHIFT, CTRL   2: WASD, L. SHIFT, Q"},
    {Text::KeysLine, "R: NEU   P: PAUSE   M: MUSIK ", "R: RESTART   P: PAUSE   M: MUSIC "},
    {Text::MusicOn, "AN", "ON"},
    {Text::MusicOff, "AUS", "OFF"},
    {Text::BackSuffix, "   ESC: ZURUECK", "   ESC: BACK"},
    {Text::ProfileLine, "TAB: SPIELER   N: NAME   ", "TAB: PLAYER   N: NAME   "},
    {Text::OpenAll, "F9: ALLE OEFFNEN", "F9: OPEN ALL"},
    {Text::LockAgain, "F9: WIEDER SPERREN", "F9: LOCK AGAIN"},
    {Text::ScorePrefix, "PUNKTE ", "SCORE "},
    {Text::HatchOpen, "LUKE OFFEN!", "HATCH OPEN!"},
    {Text::LampBroken, "LAMPE KAPUTT", "LAMP BROKEN"},
    {Text::LampsPrefix, "LAMPEN ", "LAMPS "},
    {Text::DynamitePrefix, "DYNAMIT ", "DYNAMITE "},
    {Text::TimePrefix, "ZEIT ", "TIME "},
    {Text::Pause, "PAUSE", "PAUSE"},
    {Text::PauseGoOn, "P: WEITER", "P: GO ON"},
    {Text::Won, "GESCHAFFT!", "WELL DONE!"},
    {Text::WonScorePrefix, "PUNKTE ", "SCORE "},
    {Text::WonBestPrefix, "   BESTWERT ", "   BEST "},
    {Text::AllCavesDone, "ALLE SCHAECHTE GESCHAFFT!", "ALL CAVES DONE!"},
    {Text::WonGoOn, "LEERTASTE ODER TIPPEN: WEITER", "SPACE OR TAP: NEXT CAVE"},
    {Text::TimeUp, "ZEIT ABGELAUFEN!", "TIME IS UP!"},
    {Text::Lost, "DAS WAR NICHTS!", "THAT WENT WRONG!"},
    {Text::LostTryAgain, "LEERTASTE ODER TIPPEN: NOCHMAL", "SPACE OR TAP: TRY AGAIN"},
    {Text::CauseCrushed, "VON FALLENDEM ERSCHLAGEN", "CRUSHED BY A FALLING OBJECT"},
    {Text::CauseCaught, "VON WESEN ODER ROBOTER ERWISCHT", "CAUGHT BY A CREATURE OR ROBOT"},
    {Text::CauseBlownUp, "IN DIE LUFT GEFLOGEN", "BLOWN UP"},
    {Text::CauseDrop, "VON EINEM TROPFEN GETROFFEN", "HIT BY A DROP"},
    {Text::CauseAcid, "IN SAEURE AUFGELOEST", "DISSOLVED IN ACID"},
    {Text::CauseLamp, "LAMPE KAPUTT: NICHT MEHR ZU SCHAFFEN", "LAMP BROKEN: THE CAVE CANNOT BE WON"},
    {Text::HelpTitle, "HILFE", "HELP"},
    {Text::HelpFooter, "< > SEITE   ESC: ZURUECK", "< > PAGE   ESC: BACK"},
    {Text::HelpScoring, "KRISTALL 10, STERN 30, AUSSTIEG: 1 JE 0,13 S REST",
     "CRYSTAL 10, STAR 30, LEAVING: 1 PER 0.13 S LEFT"},
    {Text::HelpWatchKeys, "V: WIEDERHOLUNG   H: ZEIG MIR WIE", "V: REPLAY   H: SHOW ME HOW"},
    {Text::HelpDigger, "DU: GRAEBST, SCHIEBST", "YOU: DIG AND PUSH"},
    {Text::HelpDirt, "ERDE: GRAB DICH DURCH", "DIRT: DIG THROUGH IT"},
    {Text::HelpBoulder, "FELS: FAELLT, ROLLT AB", "BOULDER: FALLS, ROLLS"},
    {Text::HelpCrystal, "KRISTALL: EINSAMMELN", "CRYSTAL: COLLECT IT"},
    {Text::HelpHatch, "LUKE: RAUS MIT GENUG", "HATCH: EXIT WHEN OPEN"},
    {Text::HelpMite, "MILBE: ERSCHLAGEN 50", "MITE: CRUSH IT FOR 50"},
    {Text::HelpWisp, "IRRLICHT: GIBT STERNE", "WISP: LEAVES STARS"},
    {Text::HelpStar, "STERN: ZAEHLT DREIFACH", "STAR: COUNTS THREE"},
    {Text::HelpNut, "NUSS: FELS KNACKT SIE", "NUT: CRACK WITH A ROCK"},
    {Text::HelpKey, "SCHLUESSEL: ZUR TUER", "KEY: OPENS ITS DOOR"},
    {Text::HelpDynamite, "DYNAMIT: ZUENDEN, WEG!", "DYNAMITE: LIGHT, RUN!"},
    {Text::HelpBomb, "BOMBE: FALLEN = KNALL", "BOMB: BLOWS UP IF HIT"},
    {Text::HelpShifter, "WANDLER: WANDELT STEIN", "SHIFTER: TURNS FALLERS"},
    {Text::HelpTimedShifter, "ZEITWANDLER: NUR KURZ", "TIMED SHIFTER: BRIEFLY"},
    {Text::HelpMoss, "MOOS: ZU = KRISTALLE", "MOSS: SHUT IN: CRYSTAL"},
    {Text::HelpGobbler, "FRESSER: FRISST STERNE", "GOBBLER: EATS STARS"},
    {Text::HelpOoze, "SCHLEIM: TROPFT", "OOZE: DRIPS"},
    {Text::HelpGemWall, "EDELWAND: SPRENGEN", "GEM WALL: BLAST IT"},
    {Text::HelpLamp, "LAMPE: ANZUENDEN", "LAMP: LIGHT IT FIRST"},
    {Text::HelpRobot, "ROBOTER: JAGT DICH", "ROBOT: HUNTS YOU"},
    {Text::HelpWheel, "RAD: LOCKT ROBOTER", "WHEEL: DRAWS ROBOTS"},
    {Text::HelpSwitch, "SCHALTER: ZEIGT WAENDE", "SWITCH: SHOWS WALLS"},
    {Text::HelpAcid, "SAEURE: LOEST AUF", "ACID: DISSOLVES"},
    {Text::OptionsTitle, "OPTIONEN", "OPTIONS"},
    {Text::OptionFullscreen, "VOLLBILD", "FULLSCREEN"},
    {Text::OptionLanguage, "SPRACHE", "LANGUAGE"},
    {Text::LanguageName, "DEUTSCH", "ENGLISH"},
    {Text::OptionMusic, "MUSIK", "MUSIC"},
    {Text::OptionEffects, "EFFEKTE", "EFFECTS"},
    {Text::OptionOn, "AN", "ON"},
    {Text::OptionOff, "AUS", "OFF"},
    {Text::KeysTitle, "TASTEN", "KEYS"},
    {Text::ActionUp, "HOCH", "UP"},
    {Text::ActionRight, "RECHTS", "RIGHT"},
    {Text::ActionDown, "RUNTER", "DOWN"},
    {Text::ActionLeft, "LINKS", "LEFT"},
    {Text::ActionGrab, "GREIFEN", "GRAB"},
    {Text::ActionDynamite, "DYNAMIT", "DYNAMITE"},
    {Text::KeysStandard, "STANDARD", "STANDARD"},
    {Text::PadsFixed, "GAMEPADS BEHALTEN IHRE BELEGUNG", "GAMEPADS KEEP THEIR FIXED BUTTONS"},
    {Text::PressNewKey, "NEUE TASTE DRUECKEN. ESC: BEHALTEN", "PRESS THE NEW KEY. ESC: KEEP"},
    {Text::KeyTaken, "TASTE SCHON BELEGT", "KEY ALREADY IN USE"},
    {Text::KeyFixed, "DIESE TASTE IST FEST", "THIS KEY IS FIXED"},
    {Text::OptionsFooter, "HOCH/RUNTER: WAEHLEN  LEER: AENDERN", "UP/DOWN: CHOOSE  SPACE: CHANGE"},
    {Text::WatchBand, "WIEDERHOLUNG", "REPLAY"},
    {Text::ShowHowBand, "SO GEHT ES", "THIS IS HOW"},
    {Text::ShowHowLine, "H: ZEIG MIR WIE", "H: SHOW ME HOW"},
    {Text::NoteNoRun, "NOCH KEINE WIEDERHOLUNG FUER DIESEN SCHACHT", "NO REPLAY OF THIS CAVE YET"},
    {Text::NoteOlderCave, "WIEDERHOLUNG EINER AELTEREN FASSUNG DES SCHACHTS", "REPLAY OF AN OLDER VERSION OF THIS CAVE"},
    {Text::NoteUnreadable, "WIEDERHOLUNG NICHT LESBAR", "REPLAY CANNOT BE READ"},
}};

constexpr bool rows_in_order() {
  for (std::size_t i = 0; i < count; ++i) {
    if (static_cast<std::size_t>(rows[i].id) != i) return false;
  }
  return true;
}
static_assert(rows_in_order(), "one row per text, in the order of the Text list");

}  // namespace

std::string_view text(Text id, Language language) {
  const auto index = static_cast<std::size_t>(id);
  if (index >= count) fatal("text " + std::to_string(index) + " is not in the table");
  return language == Language::English ? rows[index].english : rows[index].german;
}

}  // namespace korvedan
