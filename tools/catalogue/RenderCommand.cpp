#include "RenderCommand.h"

#include "CatalogueSolving.h"
#include "CommandLine.h"
#include "Commands.h"
#include "ContactSheet.h"
#include "model/Catalogue.h"
#include "model/FileIo.h"
#include "Printable.h"
#include "SolveReport.h"

#include <QBuffer>

#include <memory>
#include <span>

namespace pivo::tool {

int runRender(const std::string& file, const std::string& output, std::optional<int> category, std::ostream& out,
              std::ostream& err) {
    if (isOneOfTheInputs(output, {file})) {
        err << "pivo-catalogue: the output " << printable(output) << " is the data file itself\n";
        return ExitUsage;
    }
    // The sheet shows what the game shows, and the game reads no further.
    const auto bytes = readFile(file, std::size_t{MaxTangrams} * RecordSize);
    if (!bytes) {
        err << "pivo-catalogue: cannot read " << printable(file) << " (missing, unreadable or not a regular file)\n";
        return ExitFailure;
    }
    const auto catalogue = std::make_unique<Catalogue>();
    catalogue->loadRecords(*bytes);
    const ContactSheet sheet(*catalogue, category, ratingsOf(solveCatalogue(*catalogue, SolveLimits{}, category)));
    if (sheet.leftOut() > 0)
        err << "pivo-catalogue: " << sheet.leftOut() << " record(s) the game cannot use left out (see check)\n";
    if (sheet.figureCount() == 0) {
        err << "pivo-catalogue: no figures to draw\n";
        return ExitFailure;
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    const bool drawn = sheet.render().save(&buffer, "PNG");
    if (!drawn || !replaceFileAtomically(output, std::span(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                                           static_cast<std::size_t>(png.size())))) {
        err << "pivo-catalogue: cannot write " << printable(output) << "\n";
        return ExitFailure;
    }
    out << printable(output) << ": " << sheet.figureCount() << " figures\n";
    return ExitOk;
}

}  // namespace pivo::tool
