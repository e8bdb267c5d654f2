#include "Store.h"

QList<CompanyLink> Store::links(qint64 companyId)
{
    return read([&](Database &database) {
        Statement row = database.prepare("SELECT id, companyId, kind, label, url FROM link WHERE companyId = ?");
        row.with(companyId);
        QList<CompanyLink> result;
        while (row.step())
            result.append({row.int64(0), row.int64(1), row.text(2), row.text(3), row.text(4)});
        return result;
    });
}

void Store::setLink(qint64 companyId, LinkKind kind, const QString &label, const QString &url)
{
    write([&](Database &database) {
        std::optional<qint64> id;
        {
            Statement found = database.prepare("SELECT id FROM link WHERE companyId = ? AND kind = ? AND label = ?");
            found.with(companyId, toText(kind), label);
            if (found.step())
                id = found.int64(0);
        }
        if (url.isEmpty()) {
            if (id)
                database.prepare("DELETE FROM link WHERE id = ?").with(*id).run();
            return;
        }
        // Looked up inside this transaction, so the row is still there.
        if (id) {
            database.prepare("UPDATE link SET companyId = ?, kind = ?, label = ?, url = ? WHERE id = ?")
                .with(companyId, toText(kind), label, url, *id)
                .run();
        } else {
            database.prepare("INSERT INTO link (companyId, kind, label, url) VALUES (?, ?, ?, ?)")
                .with(companyId, toText(kind), label, url)
                .run();
        }
    });
}
