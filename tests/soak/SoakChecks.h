#pragma once
#include <map>
#include <string>
#include <vector>

class CModel;

// The most points each minigame can score (by its type), as its score panel
// showed them. A minigame whose panel never showed cannot have scored.
using Maxima = std::map<int, int>;

// What must hold of a game's progress at any moment: every score cell from
// 0 to its minigame's most, cells of no minigame at 0, never more points
// spent than earned. Adds what does not hold to problems; false then.
bool CheckModel(const CModel& model, const Maxima& maxima, std::vector<std::string>& problems);

// The same of every profile file in the folder, read back as stored: 161
// decimal values separated by CR LF, trophies "0" or "1"; backups (".bak")
// too; their histories, every line a game within its panel's maximum; and
// nothing else beside them but settings and locks (no temporary, no
// damaged copy).
void CheckProfiles(const std::string& folder, const Maxima& maxima, std::vector<std::string>& problems);
