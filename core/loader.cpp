#include "core/loader.h"

#include <algorithm>
#include <limits>

#include "core/codepage.h"
#include "core/dates.h"
#include "core/draw_line.h"
#include "core/text_file.h"

namespace core {
namespace {


std::string_view trim_controls(std::string_view line) {
  auto is_blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  while (!line.empty() && is_blank(line.front())) line.remove_prefix(1);
  while (!line.empty() && is_blank(line.back())) line.remove_suffix(1);
  return line;
}

// Byte order: a string_view compares its chars as unsigned char (memcmp).
bool byte_less(std::string_view a, std::string_view b) { return a.compare(b) < 0; }

LatestDrawLabels labels_from(const std::string& newest) {
  LatestDrawLabels labels;
  labels.date += display_text(draw_line::date(newest));
  labels.issue += display_text(draw_line::issue(newest));
  labels.balls += display_text(draw_line::balls(newest));
  return labels;
}

// One line of the bytes being loaded (or of the table's lines being sorted), which stay in
// place meanwhile: only the lines kept are copied, once (a draw file of twenty years holds
// more than twice the table's capacity).
struct NumberedLine {
  std::string_view text;
  int line = 0;
};

// File order among equal lines: a later line counts as newer, as a stable sort would leave it.
bool older(const NumberedLine& a, const NumberedLine& b) {
  const int order = a.text.compare(b.text);
  return order != 0 ? order < 0 : a.line < b.line;
}

// Keeps only the newest kDrawCapacity lines once twice as many are held, so a huge file
// costs time in proportion to its size but memory bounded by the table's capacity.
void keep_newest(std::vector<NumberedLine>& lines) {
  const auto capacity = static_cast<std::ptrdiff_t>(kDrawCapacity);
  if (static_cast<std::ptrdiff_t>(lines.size()) <= capacity) return;
  // A draw file is kept in date order: then the newest are simply the last ones.
  if (!std::is_sorted(lines.begin(), lines.end(), older))
    std::nth_element(lines.begin(), lines.end() - capacity, lines.end(), older);
  lines.erase(lines.begin(), lines.end() - capacity);
}

void store(DrawHistory& history, const std::vector<NumberedLine>& lines) {
  history.orirec.clear();
  history.orirec_line.clear();
  history.orirec.reserve(lines.size());
  history.orirec_line.reserve(lines.size());
  for (const auto& numbered : lines) {
    history.orirec.emplace_back(numbered.text);
    history.orirec_line.push_back(numbered.line);
  }
  history.draw_count = static_cast<int>(history.orirec.size());
}

}  // namespace

LoadedDraws load_draw_lines(DrawHistory& history, std::string_view bytes, std::string_view today) {
  LoadedDraws result;
  std::vector<NumberedLine> accepted;
  long long total_accepted = 0;
  size_t start = 0;
  int line_number = 0;
  while (start <= bytes.size()) {
    ++line_number;
    // A plain scan: find_first_of calls memchr on its two-byte set for every byte of the file.
    size_t end = start;
    while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
    const std::string_view raw = bytes.substr(start, end - start);
    if (trim_controls(raw).size() != draw_line::kLength) break;
    if (draw_line::date(raw).compare(today) <= 0) {  // a later date is a draw not yet held
      accepted.push_back({raw, line_number});
      ++total_accepted;
      if (accepted.size() >= 2 * static_cast<size_t>(kDrawCapacity)) keep_newest(accepted);
    }
    if (end < bytes.size() && bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n')
      ++end;
    start = end + 1;
  }
  keep_newest(accepted);
  if (!std::is_sorted(accepted.begin(), accepted.end(), older)) std::sort(accepted.begin(), accepted.end(), older);
  result.skipped_older = static_cast<int>(std::min<long long>(total_accepted - static_cast<long long>(accepted.size()),
                                                              std::numeric_limits<int>::max()));
  store(history, accepted);
  if (history.draw_count > 0) result.labels = labels_from(history.orirec.back());
  return result;
}

std::string draw_file_path(const DrawHistory& history, const std::string& directory) {
  return directory.empty() ? history.draw_file_name : directory + "/" + history.draw_file_name;
}

LatestDrawLabels latest_draw_labels(const DrawHistory& history) {
  if (history.draw_count <= 0 || history.orirec.empty()) return {};
  return labels_from(history.orirec[std::min<size_t>(history.draw_count, history.orirec.size()) - 1]);
}

void sort_orirec(DrawHistory& history, int mode) {
  if (mode != 1 && mode != 2) return;
  const std::size_t count = std::min<std::size_t>(history.draw_count, history.orirec.size());
  std::vector<NumberedLine> lines;
  for (std::size_t i = 0; i < count; ++i)
    lines.push_back({history.orirec[i], i < history.orirec_line.size() ? history.orirec_line[i] : 0});
  std::stable_sort(lines.begin(), lines.end(), [mode](const NumberedLine& a, const NumberedLine& b) {
    return mode == 1 ? byte_less(b.text, a.text) : byte_less(a.text, b.text);
  });
  std::vector<std::string> sorted;  // copied before the lines the views show are replaced
  sorted.reserve(count);
  for (const auto& numbered : lines) sorted.emplace_back(numbered.text);
  const bool numbered = history.orirec_line.size() >= count;
  for (std::size_t i = 0; i < count; ++i) {
    history.orirec[i] = std::move(sorted[i]);
    if (numbered) history.orirec_line[i] = lines[i].line;
  }
}

std::string display_text(std::string_view bytes) {
  const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 128; });
  return ascii ? std::string(bytes) : big5_to_utf8(bytes);
}

void clear_ball_texts(DrawHistory& history) {
  const auto clear = [](std::vector<std::string>& column) {
    for (std::string& text : column) text.clear();
  };
  for (int k = 0; k < kBallRows; ++k) {
    clear(history.ltno_drawn[k]);
    clear(history.ltno_copy[k]);
    clear(history.ltno_sorted[k]);
  }
  clear(history.issue_no);
}

}  // namespace core
