#include "cli/chart_pictures.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "analysis/trace/chart_picture_lines.h"
#include "core/child_process.h"

namespace cli {
namespace {

const std::string kCannotDraw = "無法輸出圖片: ";

// Beside the CLI in the build tree; an installed CLI (<prefix>/bin) finds it in
// <prefix>/lib/vantor39, out of the users' command path.
std::filesystem::path drawer_path() {
  const std::string drawer = core::program_file("vantor39-chart-picture");
  const std::filesystem::path beside = core::own_program_folder() / drawer;
  const std::filesystem::path installed = core::own_program_folder().parent_path() / "lib" / "vantor39" / drawer;
  if (!core::can_run(beside) && core::can_run(installed)) return installed;
  return beside;
}

std::string last_line(std::string text) {
  while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
  const std::size_t start = text.rfind('\n');
  return start == std::string::npos ? text : text.substr(start + 1);
}

}  // namespace

std::array<std::string, 3> chart_picture_files(const std::string& file) {
  constexpr std::string_view kPng = ".png";
  const bool png = file.size() > kPng.size() &&
                   std::equal(kPng.begin(), kPng.end(), file.end() - static_cast<std::ptrdiff_t>(kPng.size()),
                              [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  const std::string stem = png ? file.substr(0, file.size() - kPng.size()) : file;
  return {file, stem + "-heads.png", stem + "-tails.png"};
}

core::Status draw_chart_pictures(const trace::ChartData& data, const std::string& file) {
  if (file.empty()) return core::Error::error(kCannotDraw + "--png 需要一個檔名");
  const std::filesystem::path drawer = drawer_path();
  if (!core::can_run(drawer)) return core::Error::error(kCannotDraw + "找不到繪圖程式 " + drawer.string());
  const auto files = chart_picture_files(file);
  const auto outcome =
      core::run_child(drawer, std::vector<std::string>(files.begin(), files.end()), trace::chart_picture_lines(data));
  if (outcome && outcome->exit_status == 0) return {};
  const std::string reason = outcome ? last_line(outcome->error_output) : std::string();
  return core::Error::error(reason.empty() ? kCannotDraw + "繪圖程式 " + drawer.string() + " 未能完成" : reason);
}

}  // namespace cli
