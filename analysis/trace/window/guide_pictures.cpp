#include "analysis/trace/window/guide_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <functional>
#include <vector>

namespace tracewin {
namespace {

const QColor kDesk{58, 110, 165};
const QColor kFace{236, 233, 216};
const QColor kTitle{10, 36, 106};
const QColor kSelect{49, 106, 197};
const QColor kMark{220, 0, 0};
const QColor kGridLine{192, 192, 192};

using Rows = std::vector<QStringList>;

QFont font_of(int pixels, bool bold = false) {
  QFont f;
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

// A window or dialog: title bar, face-coloured body. Returns the body.
QRect frame(QPainter& p, const QRect& r, const QString& title) {
  p.setPen(QColor(90, 90, 90));
  p.setBrush(kFace);
  p.drawRect(r);
  const QRect bar(r.left() + 1, r.top() + 1, r.width() - 1, 22);
  p.fillRect(bar, kTitle);
  p.setPen(Qt::white);
  p.setFont(font_of(13, true));
  p.drawText(bar.adjusted(6, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, title);
  return QRect(r.left() + 1, bar.bottom() + 1, r.width() - 1, r.bottom() - bar.bottom() - 1);
}

void text_at(QPainter& p, const QPoint& at, const QString& text, const QColor& colour = Qt::black, int pixels = 13) {
  p.setPen(colour);
  p.setFont(font_of(pixels));
  p.drawText(at, text);
}

void button(QPainter& p, const QRect& r, const QString& text) {
  p.setPen(QColor(120, 120, 120));
  p.setBrush(QColor(245, 244, 238));
  p.drawRoundedRect(r, 3, 3);
  p.setPen(Qt::black);
  p.setFont(font_of(13));
  p.drawText(r, Qt::AlignCenter, text);
}

void choice(QPainter& p, const QPoint& at, const QString& text, bool on, bool radio) {
  const QRect box(at.x(), at.y() - 11, 12, 12);
  p.setPen(QColor(90, 90, 90));
  p.setBrush(Qt::white);
  if (radio) {
    p.drawEllipse(box);
    if (on) {
      p.setBrush(Qt::black);
      p.drawEllipse(box.adjusted(3, 3, -3, -3));
    }
  } else {
    p.drawRect(box);
    if (on) {
      p.setPen(QPen(Qt::black, 2));
      p.drawPolyline(QPolygon({{box.left() + 2, box.top() + 6}, {box.left() + 5, box.bottom() - 2},
                               {box.right() - 2, box.top() + 2}}));
    }
  }
  text_at(p, {at.x() + 18, at.y()}, text);
}

// A red ring around what to click, and a note beside it.
void mark(QPainter& p, const QRect& target, const QString& note, const QPoint& note_at) {
  p.setPen(QPen(kMark, 3));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(target.adjusted(-8, -6, 8, 6));
  p.setFont(font_of(14, true));
  p.drawText(note_at, note);
}

// Cells in columns of `widths`; `header` shades the first row, `selected` columns are
// drawn highlighted.
void cells(QPainter& p, const QPoint& at, const std::vector<int>& widths, const Rows& rows, bool header,
           int selected = 0) {
  p.setFont(font_of(12));
  int y = at.y();
  for (std::size_t r = 0; r < rows.size(); ++r, y += 18) {
    int x = at.x();
    for (std::size_t c = 0; c < widths.size(); ++c) {
      const QRect cell(x, y, widths[c], 18);
      const bool chosen = static_cast<int>(c) < selected;
      p.fillRect(cell, chosen ? kSelect : header && r == 0 ? QColor(224, 224, 224) : QColor(Qt::white));
      p.setPen(kGridLine);
      p.drawRect(cell);
      p.setPen(chosen ? Qt::white : Qt::black);
      // A one-column preview holds whole lines of the file: they read from the left.
      const bool lines = widths.size() == 1;
      if (c < static_cast<std::size_t>(rows[r].size()))
        p.drawText(lines ? cell.adjusted(4, 0, 0, 0) : cell, lines ? Qt::AlignVCenter | Qt::AlignLeft : Qt::AlignCenter,
                   rows[r][c]);
      x += widths[c];
    }
  }
}

// The lines of a saved trace grid, as the guide shows them (made-up draws).
Rows sample_rows(bool split) {
  Rows rows{{"日     期", " 期  數", "01", "02", "03", "04", "05", "06", "07"}};
  const char* marks[] = {"●,,,●,,,", ",●,,,,●,", ",,●,,●,,●", "●,,,,,●", ",,,●,●,,"};
  for (int i = 0; i < 5; ++i) {
    QStringList row{QStringLiteral("2026/11/%1").arg(20 + i), QStringLiteral("1152%1").arg(80 + i)};
    row << QString::fromUtf8(marks[i]).split(',');
    rows.push_back(row);
  }
  if (split) return rows;
  Rows lines;
  for (const QStringList& row : rows) lines.push_back({row.join(',') + ",..."});
  return lines;
}

// The spreadsheet program's window with its menu bar and an empty (or filled) sheet.
QRect spreadsheet(QPainter& p, const Rows& data = {}) {
  const QRect body = frame(p, QRect(20, 16, 680, 390), QStringLiteral("Excel - 活頁簿1"));
  const QStringList menus{"檔案", "編輯", "檢視", "插入", "格式", "工具", "資料", "視窗", "說明"};
  for (int i = 0; i < menus.size(); ++i) text_at(p, {body.left() + 10 + 52 * i, body.top() + 17}, menus[i]);
  Rows sheet{{"", "A", "B", "C", "D", "E", "F", "G", "H", "I"}};
  for (int r = 1; r <= 16; ++r) {
    QStringList row{QString::number(r)};
    if (r <= static_cast<int>(data.size())) row << data[static_cast<std::size_t>(r - 1)];
    sheet.push_back(row);
  }
  cells(p, {body.left() + 4, body.top() + 28}, {30, 88, 70, 40, 40, 40, 40, 40, 40, 40}, sheet, true);
  return body;
}

// A step of the text import wizard: its dialog body and the four buttons, the one at
// `marked` (0 cancel, 1 back, 2 next, 3 finish) ringed.
QRect wizard(QPainter& p, int step, int marked, const QString& note) {
  spreadsheet(p);
  const QRect body = frame(p, QRect(70, 40, 580, 360), QStringLiteral("匯入字串精靈 - 步驟 3 之 %1").arg(step));
  const QStringList names{"取消", "< 上一步(B)", "下一步(N) >", "完成(F)"};
  for (int i = 0; i < 4; ++i) {
    const QRect b(body.left() + 190 + 96 * i, body.bottom() - 36, 88, 26);
    button(p, b, names[i]);
    if (i == marked) mark(p, b, note, {b.left() - 150, b.top() - 14});
  }
  return body;
}

void explain(QPainter& p, const QString& text) {
  p.fillRect(QRect(0, 420, 720, 60), QColor(255, 255, 225));
  p.setPen(QColor(128, 0, 0));
  p.setFont(font_of(16, true));
  p.drawText(QRect(16, 420, 688, 60), Qt::AlignVCenter | Qt::AlignLeft | Qt::TextWordWrap, text);
}

void open_program(QPainter& p) {
  p.fillRect(QRect(0, 0, 720, 420), kDesk);
  const QRect list = frame(p, QRect(20, 150, 230, 240), QStringLiteral("程式集"));
  const QStringList programs{"小算盤", "記事本", "Excel", "小畫家", "命令提示字元"};
  for (int i = 0; i < programs.size(); ++i) {
    const QRect item(list.left() + 4, list.top() + 8 + 30 * i, list.width() - 8, 26);
    if (i == 2) p.fillRect(item, kSelect);
    text_at(p, {item.left() + 10, item.top() + 18}, programs[i], i == 2 ? Qt::white : Qt::black, 14);
    if (i == 2) mark(p, item.adjusted(0, 0, -90, 0), QStringLiteral("按一下開啟"), {item.right() + 24, item.top() + 18});
  }
  explain(p, QStringLiteral("從開始功能表開啟試算表程式 Excel,出現一個空白的活頁簿。"));
}

void import_menu(QPainter& p) {
  const QRect body = spreadsheet(p);
  const QRect data_menu(body.left() + 6 + 52 * 6, body.top() + 2, 44, 20);
  p.fillRect(data_menu, kSelect);
  text_at(p, {data_menu.left() + 4, data_menu.top() + 15}, QStringLiteral("資料"), Qt::white);
  const QRect drop = frame(p, QRect(data_menu.left(), data_menu.bottom(), 190, 120), QString());
  const QStringList items{"排序(S)...", "篩選(F)", "表單(O)...", "取得外部資料(D)  ▶"};
  for (int i = 0; i < items.size(); ++i) {
    const QRect item(drop.left() + 2, drop.top() + 4 + 22 * i, drop.width() - 4, 20);
    if (i == 3) p.fillRect(item, kSelect);
    text_at(p, {item.left() + 8, item.top() + 15}, items[i], i == 3 ? Qt::white : Qt::black);
  }
  const QRect sub = frame(p, QRect(drop.right(), drop.top() + 62, 170, 72), QString());
  const QRect import_item(sub.left() + 2, sub.top() + 4, sub.width() - 4, 20);
  p.fillRect(import_item, kSelect);
  text_at(p, {import_item.left() + 8, import_item.top() + 15}, QStringLiteral("匯入文字檔(T)..."), Qt::white);
  text_at(p, {sub.left() + 10, sub.top() + 41}, QStringLiteral("新增資料庫查詢(N)..."));
  mark(p, import_item, QStringLiteral("選這一項"), {import_item.left() + 20, import_item.bottom() + 60});
  explain(p, QStringLiteral("在功能表選「資料」→「取得外部資料」→「匯入文字檔」。"));
}

void open_file(QPainter& p) {
  spreadsheet(p);
  const QRect body = frame(p, QRect(100, 50, 520, 330), QStringLiteral("匯入文字檔"));
  text_at(p, {body.left() + 14, body.top() + 26}, QStringLiteral("搜尋位置:  我的文件"));
  p.setPen(QColor(120, 120, 120));
  p.setBrush(Qt::white);
  const QRect files(body.left() + 14, body.top() + 40, body.width() - 28, 150);
  p.drawRect(files);
  const QStringList names{"TW539.txt", "拖牌分析.txt", "版路拖牌排序.txt"};
  for (int i = 0; i < names.size(); ++i) {
    const QRect item(files.left() + 6, files.top() + 8 + 24 * i, 200, 20);
    if (i == 1) p.fillRect(item, kSelect);
    text_at(p, {item.left() + 6, item.top() + 15}, names[i], i == 1 ? Qt::white : Qt::black);
  }
  text_at(p, {body.left() + 14, body.top() + 214}, QStringLiteral("檔案名稱:  拖牌分析.txt"));
  text_at(p, {body.left() + 14, body.top() + 238}, QStringLiteral("檔案類型:  文字檔案 (*.txt)"));
  const QRect import_button(body.right() - 200, body.bottom() - 40, 88, 26);
  button(p, import_button, QStringLiteral("匯入(M)"));
  button(p, QRect(body.right() - 100, body.bottom() - 40, 88, 26), QStringLiteral("取消"));
  mark(p, import_button, QStringLiteral("選好存下的檔案,按匯入"), {body.left() + 20, body.bottom() - 20});
  explain(p, QStringLiteral("找到拖牌視窗存下的文字檔(右鍵「將本圖表資料存成文字檔案」),按「匯入」。"));
}

void file_type(QPainter& p) {
  const QRect body = wizard(p, 1, 2, QStringLiteral("按下一步"));
  text_at(p, {body.left() + 14, body.top() + 26}, QStringLiteral("請選擇最適合描述您的資料的檔案類型:"));
  choice(p, {body.left() + 24, body.top() + 56}, QStringLiteral("分隔符號(D) - 用逗點或定位字元分隔欄位"), true, true);
  choice(p, {body.left() + 24, body.top() + 82}, QStringLiteral("固定寬度(W) - 每個欄位的寬度都相同"), false, true);
  text_at(p, {body.left() + 14, body.top() + 116}, QStringLiteral("預覽檔案:"));
  cells(p, {body.left() + 14, body.top() + 126}, {body.width() - 28}, sample_rows(false), false);
  explain(p, QStringLiteral("檔案類型選「分隔符號」(已選好),按「下一步」。"));
}

void delimiters(QPainter& p) {
  const QRect body = wizard(p, 2, 2, QStringLiteral("再按下一步"));
  text_at(p, {body.left() + 14, body.top() + 26}, QStringLiteral("分隔符號"));
  const QStringList names{"Tab 鍵(T)", "分號(M)", "逗點(C)", "空格(S)", "其他(O)"};
  for (int i = 0; i < names.size(); ++i) choice(p, {body.left() + 24 + 100 * i, body.top() + 54}, names[i], i == 2, false);
  mark(p, QRect(body.left() + 224, body.top() + 40, 70, 18), QStringLiteral("勾選「逗點」"),
       {body.left() + 330, body.top() + 86});
  text_at(p, {body.left() + 14, body.top() + 110}, QStringLiteral("預覽分欄結果:"));
  cells(p, {body.left() + 14, body.top() + 120}, {86, 64, 40, 40, 40, 40, 40, 40, 40}, sample_rows(true), true);
  explain(p, QStringLiteral("勾選「逗點」,預覽中每一格分開了,按「下一步」。"));
}

void text_columns(QPainter& p) {
  const QRect body = wizard(p, 3, -1, QString());
  text_at(p, {body.left() + 14, body.top() + 26}, QStringLiteral("欄位的資料格式"));
  const QStringList formats{"一般(G)", "文字(T)", "日期(D)", "不匯入此欄(I)"};
  for (int i = 0; i < formats.size(); ++i)
    choice(p, {body.left() + 24 + 110 * i, body.top() + 54}, formats[i], i == 1, true);
  mark(p, QRect(body.left() + 132, body.top() + 40, 70, 18), QStringLiteral("選「文字」"),
       {body.left() + 470, body.top() + 58});
  Rows rows = sample_rows(true);
  rows.insert(rows.begin(), QStringList{"文字", "文字", "一般", "一般", "一般", "一般", "一般", "一般", "一般"});
  cells(p, {body.left() + 14, body.top() + 96}, {86, 64, 40, 40, 40, 40, 40, 40, 40}, rows, false, 2);
  mark(p, QRect(body.left() + 14, body.top() + 96, 150, 18), QStringLiteral("點選第一、二欄"),
       {body.left() + 14, body.top() + 240});
  const QRect finish(body.left() + 190 + 96 * 3, body.bottom() - 36, 88, 26);
  mark(p, finish, QStringLiteral("按完成"), {finish.left() - 60, finish.top() - 14});
  explain(p, QStringLiteral("點選日期和期數兩欄(按住 Shift),格式選「文字」,期數前面的 0 才不會不見,按「完成」。"));
}

void finished(QPainter& p) {
  Rows data;
  for (const QStringList& row : sample_rows(true)) data.push_back(row);
  const QRect body = spreadsheet(p, data);
  mark(p, QRect(body.left() + 40, body.top() + 66, 150, 88), QStringLiteral("日期、期數都是文字"),
       {body.left() + 220, body.top() + 200});
  explain(p, QStringLiteral("完成:拖牌表格成為工作表,可以排序、篩選和計算。"));
}

}  // namespace

QPixmap guide_picture(int step) {
  static const std::function<void(QPainter&)> steps[kGuideSteps] = {open_program, import_menu, open_file, file_type,
                                                                     delimiters,   text_columns, finished};
  if (step < 1 || step > kGuideSteps) return {};
  QPixmap picture(kGuidePictureSize);
  picture.fill(Qt::white);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  steps[step - 1](p);
  return picture;
}

}  // namespace tracewin
