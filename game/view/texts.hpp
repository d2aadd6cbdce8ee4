// Every text the screens show, German and English side by side in one table.
#pragma once

#include <cstdint>
#include <string_view>

#include "core/settings.hpp"

namespace korvedan {

enum class Text : std::uint8_t {
  // Title
  Tagline, BuildPrefix, HelpHint, PlayerPrefix, SolvedMiddle, PointsSuffix, NamePrefix, CaveWord, OfWord,
  Locked, BestPrefix, CrystalsToHatch, TypingHelp, StartPrompt, PlayersPrefix, PlayersMiddle, Easy, Normal,
  Hard, ProControllers, OneGamepad, Gamepads, HelpOnePlayer, HelpTwoPlayers, KeysLine, MusicOn, MusicOff,
  BackSuffix, ProfileLine, OpenAll, LockAgain,
  // Status bar
  ScorePrefix, HatchOpen, LampBroken, LampsPrefix, DynamitePrefix, TimePrefix,
  // Boxes
  Pause, PauseGoOn, Won, WonScorePrefix, WonBestPrefix, AllCavesDone, WonGoOn, TimeUp, Lost, LostTryAgain,
  // Why a cave was lost
  CauseCrushed, CauseCaught, CauseBlownUp, CauseDrop, CauseAcid, CauseLamp,
  // Help page
  HelpTitle, HelpFooter, HelpScoring, HelpWatchKeys, HelpDigger, HelpDirt, HelpBoulder, HelpCrystal, HelpHatch, HelpMite,
  HelpWisp, HelpStar, HelpNut, HelpKey, HelpDynamite, HelpBomb, HelpShifter, HelpTimedShifter, HelpMoss,
  HelpGobbler, HelpOoze, HelpGemWall, HelpLamp, HelpRobot, HelpWheel, HelpSwitch, HelpAcid,
  // Options page
  OptionsTitle, OptionFullscreen, OptionLanguage, LanguageName, OptionMusic, OptionEffects, OptionOn,
  OptionOff, KeysTitle, ActionUp, ActionRight, ActionDown, ActionLeft, ActionGrab, ActionDynamite,
  KeysStandard, PadsFixed, PressNewKey, KeyTaken, KeyFixed, OptionsFooter,
  // Watching a run
  WatchBand, ShowHowBand, ShowHowLine, NoteNoRun, NoteOlderCave, NoteUnreadable,
  Count,
};

// The text in the chosen language. Every text is upper case and uses only the font's characters.
std::string_view text(Text id, Language language);

}  // namespace korvedan
