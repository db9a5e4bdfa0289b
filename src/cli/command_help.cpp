// The help texts of the commands.
#include "cli/command_help.h"

#include <array>
#include <utility>

namespace pelmora::cli {

namespace {

using namespace std::string_view_literals;

constexpr std::array kHelp{
    std::pair{"get"sv, R"(usage: pelmora-cli get [--json] [--sensor TYPE] [NAME]

Prints the settings of config.bin in words, one NAME=VALUE a line (or one
JSON object with --json); with NAME only that setting. Each VALUE is
accepted back by set. --sensor TYPE (0..3) labels the DPI levels for that
sensor type (default 0: twelve levels, 250 to 4000 DPI).
)"sv},
    std::pair{"set"sv, R"(usage: pelmora-cli set [--apply] [--sensor TYPE] WORD...

Changes config.bin and the button labels of str.ini as the window does.
Each WORD is NAME=VALUE or default; the words are applied in order, all or
nothing. A bad word: a one-line message, exit status 2, no file touched.
--apply then sends the result to the mouse as the Apply button does and
writes the pointer settings to the desktop (a desktop that lacks one gets a
remark on stderr; one that refuses a setting: exit status 1).

  a1..a6, b1..b6    button 1..6 in key mode A or B:
                      Left Click, Right Click, Mid Click, Forward, Backward,
                      Triple-click, RGB On/Off, Shift, Key Off,
                      DPI +, DPI -, DPI Loop,
                      Single Key:KEY            (Single Key:F5)
                      Combo Key:[MODIFIER+]KEY[+KEY]  (Combo Key:Left Ctrl+C)
                      Fire Key:KEY[:SPEED[:TIMES]]    (speed 5-255, times 0-255)
                      Multimedia:NAME           (Next, Previous, Stop, Play/Pause,
                                                 Mute, Vol+, Vol-)
                      Windows:NAME              (Calculator, Mail, Browser-Home, ...)
                      Macro Key:NAME|N[:LOOP]   (LOOP 1: a number of times,
                                                 2: until a key, 3: while held)
  key-mode          A or B
  report-rate       125, 250, 500 or 1000
  dpi1..dpi4        a level 1..12 (1..8 for sensor types 1-3), on or off
  dpi1-colour..dpi4-colour   #rrggbb
  light-mode        Standard, Respiration or Neon
  light-parameter   a value of the mode's list (45%, 6S, 2.5S, ...)
  light-effect      RGB Flash or RGB Fixed On (Neon mode)
  pointer-speed, scroll-lines, double-click
                    the desktop's pointer speed, wheel lines and double-click
                    speed: a level 1..11, one per tick of the advanced page
                    (double-click: 1 = 900 ms .. 11 = 200 ms)
  pointer-precision, scroll-one-screen
                    the advanced page's tick boxes: on or off
  default           the key page's Default: factory functions and labels

Names and values are matched without regard to case; key names are those
the key dialogs show (A, 1, F5, Enter, Num 1, Left Windows, L-Button, ...).
)"sv},
    std::pair{"export"sv, R"(usage: pelmora-cli export FILE

Writes the whole configuration as one JSON document: the settings in words,
the settings record member by member, the button labels of the four
languages and the macros with their items. The file is replaced atomically.
)"sv},
    std::pair{"import"sv, R"(usage: pelmora-cli import FILE

Reads a profile written by export, checks all of it (version, every member
and its range, the labels, the macro names) and only then replaces
config.bin, the label sections of str.ini and record.ini, each as a whole.
A damaged or unknown document: a one-line message, exit status 2, nothing
changed.
)"sv},
    std::pair{"profile"sv, R"(usage: pelmora-cli profile list [--json]
       pelmora-cli profile save NAME
       pelmora-cli profile use NAME
       pelmora-cli profile show [--json] [--sensor TYPE] NAME [SETTING]
       pelmora-cli profile delete NAME
       pelmora-cli profile rename OLD NEW
       pelmora-cli profile match NAME ID...
       pelmora-cli profile unmatch NAME ID...
       pelmora-cli profile focus

The named profiles of the data folder, one file profiles/NAME.json each in
the format of export. list prints one line a profile: "* NAME" for the
active one (" *" after it when the configuration was changed since), "!" and
why for a damaged file. save writes the current configuration into a
profile (created or replaced) and makes it the active one. use takes a
profile as import does, marks it active, sends it to the mouse as apply does
and sets the desktop's pointer settings; exit status 0 only when every write
reached the mouse and every file was saved. show prints a profile's settings
in words as get does (only SETTING when given). delete and rename keep the
active mark right (deleting the active profile leaves the configuration as
it is).

match and unmatch edit the application ids a profile is used for (list shows
them in brackets): the running pelmora activates the profile when an
application with one of them gains the focus (ids compare regardless of
case; a profile named Default takes every other application). focus prints
the ids of each application that gains the focus, one line each, as the
running pelmora sees them: switch to a game to learn its id.

A name is 1 to 64 characters, without '/', control characters or a leading
'.'; names that differ only in case are the same profile. A damaged
profile, an unknown name or a name outside the rule: exit status 2.

list --json is stable within a major version:
  {"active": NAME or "", "profiles": [{"name", "active", "modified",
   "usable", "problem", "match"}, ...]}
)"sv},
    std::pair{"macro"sv, R"(usage: pelmora-cli macro list
       pelmora-cli macro add NAME [--loop N] ITEM...
       pelmora-cli macro add NAME [--loop N] --from FILE
       pelmora-cli macro delete NAME
       pelmora-cli macro loop NAME N

Edits record.ini as the macro editor does (a name of at most 31 characters,
no two names that differ only in case, twelve macros at most) and rebuilds
the macro slots of config.bin as its Confirm does. An ITEM is "KEY down",
"KEY up" or "N ms" (0..10000); --from reads one item a line. Events that do
not fit the mouse's 128-byte slot are named on stderr. delete moves the
later macros up one slot; loop sets the repeat count (1..65535).
)"sv},
    std::pair{"show"sv, "usage: pelmora-cli show\n\nPrints the settings block of config.bin as "
                        "JSON, one member per field.\n"sv},
    std::pair{"matrices"sv, "usage: pelmora-cli matrices\n\nPrints the four key matrices Apply "
                            "would send, each entry eight hex digits.\n"sv},
    std::pair{"encode-macros"sv,
              "usage: pelmora-cli encode-macros [--save]\n\nPrints the twelve macro slots made "
              "of record.ini; --save writes them into config.bin.\n"sv},
    std::pair{"macros"sv, "usage: pelmora-cli macros\n\nLists the macros of record.ini in slot "
                          "order (the same as macro list).\n"sv},
    std::pair{"devices"sv, "usage: pelmora-cli devices\n\nLists the mouse's HID collections, "
                           "the nodes that cannot be used and why, and the node used.\n"sv},
    std::pair{"read"sv, "usage: pelmora-cli read\n\nReads the mouse's basic settings: sensor "
                        "type, report rate, options and DPI table.\n"sv},
    std::pair{"apply"sv, "usage: pelmora-cli apply\n\nSends config.bin to the mouse as the OK "
                         "button does and saves config.bin and the labels.\n"sv},
    std::pair{"listen"sv, "usage: pelmora-cli listen\n\nPrints each event the mouse reports, "
                          "its removal and arrival, until Ctrl+C.\n"sv},
    std::pair{"doctor"sv, R"(usage: pelmora-cli doctor [--json]

Checks, in this order, and prints one line per check (ok, warn or FAIL, what
was found, and after "->" what to do): the mouse's HID devices, hidraw nodes
and kernel driver; whether this user may open each node, and if not why (the
udev rule, udev's record of the node, the seat); the report descriptors;
other processes holding the nodes; the data folder and its files; the
desktop (session, tray, notifications, pointer settings). Changes nothing.
--json prints the same as one JSON object. Exit status 0 when nothing
failed, 1 otherwise.
)"sv},
};

} // namespace

std::string_view commandHelp(std::string_view command) {
    for (const auto& [name, help] : kHelp) {
        if (name == command) {
            return help;
        }
    }
    return {};
}

} // namespace pelmora::cli
