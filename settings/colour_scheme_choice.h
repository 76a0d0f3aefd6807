#pragma once

#include "settings/game_settings.h"

#include <span>
#include <string_view>

namespace vh {

// The three colour scheme lists of the graphics options: each entry stands
// for a pair of colour codes in the options.
enum class SchemeList { Stones, Board, Pips };

// The entries of a list, in list order.
std::span<const char* const> schemeEntries(SchemeList list);

// The entry that shows the options' pair. A pair that belongs to no entry
// shows as white and black stones, as purple marble, as orange and green pips.
int schemeEntryFor(SchemeList list, const GameSettings& settings);

// Writes the pair of the entry with this text; any other text writes the
// pair of the list's last entry.
void applySchemeEntry(SchemeList list, std::string_view entry, GameSettings& settings);

} // namespace vh
