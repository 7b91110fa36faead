#include "analysis/trace/window/tform_img_excel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/controls.h"
#include "ui/widgets.h"

TForm_img_excel::TForm_img_excel(QWidget* parent) : QDialog(parent) {
  setObjectName("TForm_img_excel");
  setWindowTitle(QStringLiteral("將文字檔轉成Excel"));
  setWindowFlags(Qt::Window | Qt::WindowCloseButtonHint);
  const char* captions[] = {"步驟一:開啟Excel",        "步驟二:匯入文字檔案", "步驟三:開啟檔案",
                            "步驟四:(下一步)",         "步驟五:勾選\"逗點\"->下一步",
                            "步驟六:將第一,二欄位轉成文字", "步驟七:完成"};
  auto* list = new QVBoxLayout;
  for (int i = 0; i < tracewin::kGuideSteps; ++i) {
    QToolButton* caption = ui::tool_button(this, QString::fromUtf8(captions[i]), QStringLiteral("step%1").arg(i + 1));
    caption->setAutoRaise(true);
    caption->setCursor(Qt::PointingHandCursor);
    connect(caption, &QToolButton::clicked, this, [this, i] { show_step(i + 1); });
    steps[static_cast<std::size_t>(i)] = caption;
    list->addWidget(caption, 0, Qt::AlignLeft);
  }
  list->addStretch();
  BitBtn1 = ui::push_button(this, QStringLiteral("關閉"), "BitBtn1");
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::close);
  list->addWidget(BitBtn1, 0, Qt::AlignLeft);

  Image1 = ui::label(this, QString(), "Image1");
  Image1->setFixedSize(tracewin::kGuidePictureSize);
  Image1->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(list);
  layout->addWidget(Image1, 1);
}

void TForm_img_excel::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) show_step(1);
}

void TForm_img_excel::show_step(int step) {
  step_ = step;
  Image1->setPixmap(tracewin::guide_picture(step));
  for (int i = 0; i < tracewin::kGuideSteps; ++i) ui::set_look(steps[static_cast<std::size_t>(i)], i + 1 == step ? Qt::red : Qt::black, i + 1 == step);
}
