// Which of the four period queries of the "號碼來源" sheet built the period list. The
// workbench remembers it so the clear buttons re-run the same query.
#pragma once

namespace pillars {

enum class SourceMode { DateRange, MostRecent, EveryMth, NumberTrace };

}  // namespace pillars
