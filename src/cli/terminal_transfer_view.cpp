#include "cli/terminal_transfer_view.h"

#include "model/windows1251.h"

#include <cstdio>
#include <iostream>
#include <string>
#include <unistd.h>

namespace skarvion::cli {

namespace {

constexpr int BarWidth = 30;
constexpr int BarRange = 1000;

void writeErr(const QString& text) {
    std::fputs(text.toUtf8().constData(), stderr);
    std::fflush(stderr);
}

} // namespace

TerminalTransferView::TerminalTransferView(const LanguageTexts& texts, bool assumeYes)
    : texts_(texts), assumeYes_(assumeYes), interactive_(::isatty(STDERR_FILENO) != 0) {}

TerminalTransferView::~TerminalTransferView() {
    endBarLine();
}

// The language table's text of the key, else the exchange's built-in text.
QString TerminalTransferView::resolve(LinkText text) const {
    if (!text.key.empty()) {
        const std::string& translated = texts_.text(text.key);
        if (!translated.empty()) return FromWindows1251(translated).trimmed();
    }
    return FromWindows1251(std::string(text.builtIn)).trimmed();
}

void TerminalTransferView::setStepText(LinkText text) {
    const QString step = resolve(text);
    if (step == step_) return;
    step_ = step;
    if (interactive_) {
        drawnPercent_ = -1;
        drawBar();
    } else {
        writeErr(step_ + '\n');
    }
}

void TerminalTransferView::setStepProgress(int position) {
    position_ = position;
    if (interactive_ && position_ * 100 / BarRange != drawnPercent_) drawBar();
}

void TerminalTransferView::drawBar() {
    drawnPercent_ = position_ * 100 / BarRange;
    const int filled = position_ * BarWidth / BarRange;
    const QString bar = QString(filled, '#') + QString(BarWidth - filled, '.');
    writeErr(
        QString("\r%1 [%2] %3%\x1b[K").arg(step_.leftJustified(28), bar).arg(drawnPercent_, 3));
    barShown_ = true;
}

void TerminalTransferView::endBarLine() {
    if (!barShown_) return;
    writeErr("\n");
    barShown_ = false;
}

// Information and error boxes are the exchange's own complaints; the closing
// box of a transfer reads as a plain status line.
void TerminalTransferView::showMessage(MessageKind kind, LinkText text) {
    endBarLine();
    writeErr((kind == MessageKind::Plain ? QString() : QString("skarvion-cli: ")) + resolve(text) +
             '\n');
    drawnPercent_ = -1;
}

bool TerminalTransferView::confirm(LinkText question) {
    endBarLine();
    if (assumeYes_) return true;
    writeErr(resolve(question) + " [y/N] ");
    std::string answer;
    const bool read = static_cast<bool>(std::getline(std::cin, answer));
    if (!read || !::isatty(STDIN_FILENO)) writeErr("\n"); // the answer was not echoed
    if (!read) return false;
    const QString reply = QString::fromUtf8(answer).trimmed().toLower();
    return reply == "y" || reply == "yes" || reply == QString::fromUtf8("д") ||
           reply == QString::fromUtf8("да");
}

} // namespace skarvion::cli
