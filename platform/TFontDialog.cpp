#include "platform/TFontDialog.h"

#include "platform/ModalSeam.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const int StandardSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

struct NamedColor {
    const char* name;
    QColor color;
};
const NamedColor EffectColors[] = {
    {"Black", QColor(0, 0, 0)},         {"Maroon", QColor(128, 0, 0)},
    {"Green", QColor(0, 128, 0)},       {"Olive", QColor(128, 128, 0)},
    {"Navy", QColor(0, 0, 128)},        {"Purple", QColor(128, 0, 128)},
    {"Teal", QColor(0, 128, 128)},      {"Gray", QColor(128, 128, 128)},
    {"Silver", QColor(192, 192, 192)},  {"Red", QColor(255, 0, 0)},
    {"Lime", QColor(0, 255, 0)},        {"Yellow", QColor(255, 255, 0)},
    {"Blue", QColor(0, 0, 255)},        {"Fuchsia", QColor(255, 0, 255)},
    {"Aqua", QColor(0, 255, 255)},      {"White", QColor(255, 255, 255)},
};

enum Style { Regular, Italic, Bold, BoldItalic };

} // namespace

TFontDialog::TFontDialog(QWidget* owner)
    : QDialog(owner)
{
    BuildDesign();
}

int TFontDialog::PixelHeight(const QFont& font, int dotsPerInch)
{
    if (font.pointSizeF() > 0)
        return -int(std::lround(font.pointSizeF() * dotsPerInch / 72.0));
    return -font.pixelSize();
}

void TFontDialog::BuildDesign()
{
    setObjectName("FontDialog1");
    setWindowTitle("Font");

    FontList = new QFontComboBox(this);
    FontList->setObjectName("FontList");
    StyleList = new QComboBox(this);
    StyleList->setObjectName("StyleList");
    StyleList->addItems({"Regular", "Italic", "Bold", "Bold Italic"});
    SizeList = new QComboBox(this);
    SizeList->setObjectName("SizeList");

    auto* effects = new QGroupBox("Effects", this);
    effects->setObjectName("Effects");
    StrikeOutBox = new QCheckBox("Stri&keout", effects);
    StrikeOutBox->setObjectName("StrikeOutBox");
    UnderlineBox = new QCheckBox("&Underline", effects);
    UnderlineBox->setObjectName("UnderlineBox");
    ColorList = new QComboBox(effects);
    ColorList->setObjectName("ColorList");
    for (const NamedColor& entry : EffectColors)
        ColorList->addItem(entry.name, entry.color);
    auto* effectsLayout = new QVBoxLayout(effects);
    effectsLayout->addWidget(StrikeOutBox);
    effectsLayout->addWidget(UnderlineBox);
    effectsLayout->addWidget(new QLabel("&Color:", effects));
    effectsLayout->addWidget(ColorList);

    Sample = new QLabel("AaBbYyZz", this);
    Sample->setObjectName("Sample");
    Sample->setMinimumHeight(48);

    OKBtn = new QPushButton("OK", this);
    OKBtn->setObjectName("OKBtn");
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton("Cancel", this);
    CancelBtn->setObjectName("CancelBtn");
    ApplyBtn = new QPushButton("&Apply", this);
    ApplyBtn->setObjectName("ApplyBtn");
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(ApplyBtn, &QPushButton::clicked, this, &TFontDialog::Apply);

    auto* choices = new QHBoxLayout;
    choices->addWidget(FontList, 3);
    choices->addWidget(StyleList, 1);
    choices->addWidget(SizeList, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addWidget(ApplyBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(choices);
    layout->addWidget(effects);
    layout->addWidget(Sample);
    layout->addLayout(buttons);

    connect(FontList, &QFontComboBox::currentFontChanged, this, &TFontDialog::UpdateSample);
    connect(StyleList, &QComboBox::currentIndexChanged, this, &TFontDialog::UpdateSample);
    connect(SizeList, &QComboBox::currentIndexChanged, this, &TFontDialog::UpdateSample);
    connect(StrikeOutBox, &QCheckBox::toggled, this, &TFontDialog::UpdateSample);
    connect(UnderlineBox, &QCheckBox::toggled, this, &TFontDialog::UpdateSample);
}

// Fills the size list and font list as the options say; a fixed list of sizes stands for
// the size edit, so no size outside the range can be entered.
void TFontDialog::ApplyOptions()
{
    FontList->setFontFilters((Options & fdTrueTypeOnly) ? QFontComboBox::ScalableFonts
                                                        : QFontComboBox::AllFonts);
    SizeList->clear();
    if ((Options & fdLimitSize) && MinFontSize > 0 && MinFontSize <= MaxFontSize) {
        for (int size = MinFontSize; size <= MaxFontSize; ++size)
            SizeList->addItem(QString::number(size), size);
    } else {
        for (int size : StandardSizes)
            SizeList->addItem(QString::number(size), size);
    }
    StrikeOutBox->parentWidget()->setVisible(Options & fdEffects);
    ApplyBtn->setVisible(Options & fdApplyButton);
}

void TFontDialog::ShowFont()
{
    FontList->setCurrentFont(Font);
    StyleList->setCurrentIndex((Font.bold() ? Bold : Regular) + (Font.italic() ? Italic : 0));
    int sizeIndex = SizeList->findData(Font.pointSize());
    if (sizeIndex < 0) {
        // The nearest size the list offers.
        sizeIndex = Font.pointSize() < SizeList->itemData(0).toInt() ? 0 : SizeList->count() - 1;
    }
    SizeList->setCurrentIndex(sizeIndex);
    StrikeOutBox->setChecked(Font.strikeOut());
    UnderlineBox->setChecked(Font.underline());
    const int colorIndex = ColorList->findData(Color);
    ColorList->setCurrentIndex(colorIndex < 0 ? 0 : colorIndex);
    UpdateSample();
}

QFont TFontDialog::ChosenFont() const
{
    QFont font = FontList->currentFont();
    const int style = StyleList->currentIndex();
    font.setBold(style == Bold || style == BoldItalic);
    font.setItalic(style == Italic || style == BoldItalic);
    font.setPointSize(SizeList->currentData().toInt());
    font.setStrikeOut(StrikeOutBox->isChecked());
    font.setUnderline(UnderlineBox->isChecked());
    return font;
}

QColor TFontDialog::ChosenColor() const
{
    return ColorList->currentData().value<QColor>();
}

void TFontDialog::UpdateSample()
{
    if (SizeList->count() == 0)
        return;
    Sample->setFont(ChosenFont());
}

bool TFontDialog::Execute()
{
    ApplyOptions();
    ShowFont();
    if (ExecModal(*this) != QDialog::Accepted)
        return false;
    Font = ChosenFont();
    Color = ChosenColor();
    return true;
}
