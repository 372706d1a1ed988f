#include "helplayout.h"

#include <algorithm>

namespace quorvel::units {

std::vector<TextPiece> lineGroups(const QString& line)
{
    std::vector<TextPiece> pieces;
    const int n = int(line.size());
    int i = 0;
    while (i < n) {
        while (i < n && line[i] == QLatin1Char(' '))
            ++i;
        if (i >= n)
            break;
        const int start = i;
        int end = i; // one past the last non-blank
        while (i < n) {
            if (line[i] != QLatin1Char(' ')) {
                end = ++i;
                continue;
            }
            if (i + 1 < n && line[i + 1] != QLatin1Char(' ')) {
                ++i; // a single blank inside the piece
                continue;
            }
            break;
        }
        pieces.push_back({start, end - start});
        i = end;
    }
    return pieces;
}

std::vector<TextPiece> rowArrows(const QString& row)
{
    std::vector<TextPiece> arrows;
    int from = 0;
    while (true) {
        const int at = int(row.indexOf(QLatin1Char('<'), from));
        if (at < 0)
            break;
        int end = at;
        while (end < row.size() && (row[end] == QLatin1Char('<') || row[end] == QLatin1Char('-')
                                    || row[end] == QLatin1Char('>')))
            ++end;
        arrows.push_back({at, end - at});
        from = end;
    }
    return arrows;
}

namespace {
// Width of the non-blank runs and the number of blanks in line[0, index).
void measure(const QString& line, int index, const TextWidth& runWidth, double& runs,
             int& blanks)
{
    runs = 0;
    blanks = 0;
    int i = 0;
    while (i < index) {
        if (line[i] == QLatin1Char(' ')) {
            ++blanks;
            ++i;
            continue;
        }
        const int start = i;
        while (i < index && line[i] != QLatin1Char(' '))
            ++i;
        runs += runWidth(line.mid(start, i - start));
    }
}
} // namespace

double advanceTo(const QString& line, int index, const TextWidth& runWidth, double blankWidth)
{
    double runs = 0;
    int blanks = 0;
    measure(line, std::clamp(index, 0, int(line.size())), runWidth, runs, blanks);
    return runs + blanks * blankWidth;
}

std::vector<double> pieceCentres(const QString& line, const std::vector<TextPiece>& pieces,
                                 const TextWidth& runWidth, double blankWidth)
{
    std::vector<double> centres;
    for (const TextPiece& p : pieces) {
        const double from = advanceTo(line, p.start, runWidth, blankWidth);
        const double to = advanceTo(line, p.start + p.length, runWidth, blankWidth);
        centres.push_back((from + to) / 2);
    }
    return centres;
}

FactorFit fitFactorLine(const QString& unitRow, const TextWidth& rowWidth, double rowBlank,
                        const QString& factorLine, const TextWidth& lineWidth,
                        double naturalBlank)
{
    const auto arrows = rowArrows(unitRow);
    const auto factors = lineGroups(factorLine);
    const std::size_t n = std::min(arrows.size(), factors.size());
    FactorFit fit;
    fit.blankWidth = naturalBlank;
    if (n == 0)
        return fit;
    const auto target = pieceCentres(unitRow, arrows, rowWidth, rowBlank);
    // centre_i = offset + runs_i + blanks_i * blankWidth, with runs_i and blanks_i the
    // averages over the start and the end of piece i.
    std::vector<double> runs(n), blanks(n);
    for (std::size_t i = 0; i < n; ++i) {
        double r0 = 0, r1 = 0;
        int b0 = 0, b1 = 0;
        measure(factorLine, factors[i].start, lineWidth, r0, b0);
        measure(factorLine, factors[i].start + factors[i].length, lineWidth, r1, b1);
        runs[i] = (r0 + r1) / 2;
        blanks[i] = (b0 + b1) / 2.0;
    }
    // Minimise sum (offset + runs_i + B * blanks_i - target_i)^2 over offset and B.
    double sd = 0, sb = 0, sbb = 0, sbd = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double d = target[i] - runs[i];
        sd += d;
        sb += blanks[i];
        sbb += blanks[i] * blanks[i];
        sbd += blanks[i] * d;
    }
    const double m = double(n);
    const double det = m * sbb - sb * sb;
    double b = det > 1e-9 ? (m * sbd - sb * sd) / det : naturalBlank;
    b = std::clamp(b, 0.25 * naturalBlank, 3.0 * naturalBlank);
    fit.blankWidth = b;
    fit.offset = (sd - b * sb) / m;
    return fit;
}

} // namespace quorvel::units
