#include "pillars/walk_forward_report.h"

#include "core/ball_text.h"
#include "core/join.h"
#include "core/number_format.h"
#include "core/numbers.h"

namespace pillars {

namespace {

using core::fixed;


std::string numbers_text(const std::vector<int>& numbers) {
  std::vector<std::string> texts;
  for (const int n : numbers) texts.push_back(core::ball_text(n));
  return core::join(texts, ".");
}

std::string counts_line(std::string_view title, const std::array<double, 3>& values, int decimals) {
  return std::string(title) + "," + fixed(values[0], decimals) + "," + fixed(values[1], decimals) + "," +
         fixed(values[2], decimals);
}

std::string walk_totals_line(std::string_view title, const std::array<long long, 3>& values) {
  return std::string(title) + "," + std::to_string(values[0]) + "," + std::to_string(values[1]) + "," +
         std::to_string(values[2]);
}

// A probability as a reader's percentage, one decimal; never "0.0%" for a chance that is
// there, nor "100.0%" for one that falls short of certainty. The running law drops
// probabilities below 1e-15 at its ends, so a certain event adds up to 1 within that.
std::string walk_percent_text(double p) {
  if (p >= 1 - 1e-12) return "100%";
  const std::string text = fixed(p * 100, 1);
  if (text == "0.0" && p > 0) return "不到 0.1%";
  if (text == "100.0") return "超過 99.9%";
  return text + "%";
}

}  // namespace

std::string walk_settings_line(const WalkSettings& s) {
  return std::string(walk_method_name(s.method)) + "," + std::to_string(s.train) + "," + std::to_string(s.test) +
         "," + std::to_string(s.step) + "," + std::to_string(priority_digit(s.priority));
}

std::vector<std::string> walk_step_titles() {
  return {"序號",       "日期",       "期數",       "號碼",       "立柱",       "樣本內二星",
          "樣本內三星", "樣本內四星", "樣本外期數", "樣本外二星", "樣本外三星", "樣本外四星"};
}

std::string walk_step_header() { return core::join(walk_step_titles(), ","); }

std::vector<std::string> walk_step_fields(const WalkStep& step) {
  std::vector<std::string> pillars;
  for (const auto& pillar : step.pillars) pillars.push_back(numbers_text(pillar));
  return {core::zero_pad(step.index, 4),
          step.date,
          step.issue,
          numbers_text(step.numbers),
          core::join(pillars, "/"),
          std::to_string(step.in_sample.two),
          std::to_string(step.in_sample.three),
          std::to_string(step.in_sample.four),
          std::to_string(step.played),
          std::to_string(step.out_of_sample.two),
          std::to_string(step.out_of_sample.three),
          std::to_string(step.out_of_sample.four)};
}

std::string walk_step_line(const WalkStep& step) { return core::join(walk_step_fields(step), ","); }

std::string star_name(int star) {
  switch (star) {
    case 2: return "二星";
    case 3: return "三星";
    default: return "四星";
  }
}

std::string verdict_text(Verdict verdict) {
  switch (verdict) {
    case Verdict::above_chance: return "高於隨機";
    case Verdict::below_chance: return "低於隨機";
    case Verdict::no_difference: break;
  }
  return "與隨機無顯著差異";
}

std::vector<std::string> walk_summary_lines(const WalkSummary& s) {
  return {"成本每期," + std::to_string(s.cost.two) + "," + std::to_string(s.cost.three) + "," +
              std::to_string(s.cost.four),
          counts_line("樣本內每期平均", s.in_sample, 4),
          counts_line("樣本外每期平均", s.out_of_sample, 4),
          counts_line("隨機期望每期", s.chance, 4),
          counts_line("z值", s.z, 2),
          walk_totals_line("樣本外總數", s.totals),
          counts_line("隨機期望總數", s.expected_totals, 4),
          counts_line("上尾機率", s.upper_tail, 4),
          counts_line("下尾機率", s.lower_tail, 4),
          "結論," + star_name(s.ranked_star) + "," + verdict_text(s.verdict) + "," + fixed(s.ranked_z(), 2)};
}

std::vector<std::string> walk_forward_lines(const WalkForwardRun& run) {
  std::vector<std::string> lines{walk_settings_line(run.settings()), walk_step_header()};
  for (const WalkStep& step : run.steps()) lines.push_back(walk_step_line(step));
  const auto summary = walk_summary_lines(run.summary());
  lines.insert(lines.end(), summary.begin(), summary.end());
  return lines;
}

std::vector<std::string> walk_summary_text(const WalkSettings& settings, const WalkSummary& s) {
  const std::string star = star_name(s.ranked_star);
  const int j = s.ranked();
  const std::string numbers = settings.numbers.empty() ? "每次取訓練期間最常開出的號碼" : "固定號碼";
  return {
      "方法 " + std::string(walk_method_name(settings.method)) + "，" + star + "優先，" + numbers,
      "訓練 " + std::to_string(settings.train) + " 期，測試 " + std::to_string(settings.test) + " 期，每 " +
          std::to_string(settings.step) + " 期重選一次",
      "已完成 " + std::to_string(s.steps) + " 次選號，樣本外共 " + std::to_string(s.played) + " 期",
      "每期成本：二星 " + std::to_string(s.cost.two) + " 碰，三星 " + std::to_string(s.cost.three) + " 碰，四星 " +
          std::to_string(s.cost.four) + " 碰",
      star + "每期中獎：樣本內 " + fixed(s.in_sample[j], 4) + "，樣本外 " + fixed(s.out_of_sample[j], 4) +
          "，隨機期望 " + fixed(s.chance[j], 4),
      star + "樣本外 " + std::to_string(s.totals[j]) + " 次，隨機期望 " + fixed(s.expected_totals[j], 2) + " 次",
      "隨機下至少這麼多次的機率 " + walk_percent_text(s.upper_tail[j]) + "，至多這麼多次的機率 " +
          walk_percent_text(s.lower_tail[j]),
      "結論：" + verdict_text(s.verdict) + "（任一機率不到 2.5% 才算有差異；z 值 " + fixed(s.ranked_z(), 2) +
          " 只供參考）",
  };
}

std::vector<std::string> walk_stopped_lines(const WalkForwardRun& run) {
  if (run.finished()) return {};
  return {"已停止: 只完成第 1 到 " + std::to_string(run.computed()) + " 步, 共 " + std::to_string(run.total()) + " 步"};
}

std::vector<std::string> walk_explanation() {
  return {
      "樣本內：每次用測試期之前的訓練期間找出最好的立柱，這組立柱在它自己的訓練期間中了多少碰。"
      "這是挑出來的成績，一定偏高。",
      "樣本外：同一組立柱在之後真正開出的各期中了多少碰，這才是照這個方法下注會得到的結果。",
      "隨機期望：完全隨機開出五個號碼時，同樣大小的立柱平均會中的碰數。"
      "上尾機率是隨機下累計至少中這麼多次的確切機率，下尾機率是至多這麼多次的機率；"
      "其中一個不到 2.5% 才判定高於或低於隨機。結論只看這兩個機率。",
      "圖中的灰色帶：在每一個期數單獨來看，隨機開獎的累計中獎有 95% 落在帶內（確切機率的 2.5% 到 97.5%）。"
      "它逐點成立，不是整條曲線的範圍：完全隨機時，曲線在某處走出帶外也很常見，所以出帶不代表有差異。",
  };
}

}  // namespace pillars
