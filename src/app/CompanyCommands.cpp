// Commands that change the set of tracked companies or their logos.

#include "CommandLineTools.h"

#include "Console.h"
#include "DomainName.h"
#include "Logos.h"
#include "Store.h"

namespace CommandLineTools {

void remove(const QStringList &arguments)
{
    if (arguments.isEmpty()) {
        Console::printLine(QStringLiteral("usage: pelmor --remove <domain>"));
        return;
    }
    const QString domain = Discovery::normalize(arguments.first());
    QList<CompanyRecord> companies;
    try {
        companies = Store::shared().companies();
    } catch (const DatabaseError &) {
    }
    const auto company = std::ranges::find(companies, domain, &CompanyRecord::domain);
    if (company == companies.end()) {
        Console::printLine(QStringLiteral("no company for ") + domain);
        return;
    }
    try {
        Store::shared().removeCompany(*company->id, company->domain);
    } catch (const DatabaseError &) {
    }
    Logos::remove(company->logoPath);
    Console::printLine(QStringLiteral("removed ") + company->name);
}

}
