#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QImage>
#include <QString>

#include <optional>

// Company logos: one PNG per company domain in a logos directory beside the
// database, loaded for display through a process-wide cache.
namespace Logos {

// The logos directory, created when missing.
QString directory();

// Downloads a candidate logo from an http(s) address: the body of a 2xx
// answer longer than 100 bytes (shorter ones are placeholders), or nothing.
// Whether the bytes are an image is for save to find out.
QCoro::Task<std::optional<QByteArray>> fetch(QString address);

// Converts image bytes to PNG and writes them as the domain's logo; returns
// the file name, or nothing for bytes that are no usable image (or an image
// narrower than 16 pixels) and for a failed write.
std::optional<QString> save(const QByteArray &data, const QString &domain);

// A stored logo's image, from memory after the first look, absences too.
std::optional<QImage> image(const QString &name);

// Forgets the logo and deletes its file; a missing file is no error.
void remove(const QString &name);

}
