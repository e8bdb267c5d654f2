#pragma once

#include "TestHttpServer.h"

#include <QByteArray>

// Small company web sites, written the way real ones are, for discovery
// tests and benchmarks. Each is served by host, so one server holds them
// all; whatever a site does not serve answers 404.
namespace FixtureSites {

inline QByteArray rss(const QByteArray &title, const QByteArray &site)
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<rss version="2.0"><channel><title>)"
        + title + "</title><link>https://" + site + R"(/</link>
<item><title>Launch of the new line</title><link>https://)"
        + site + R"(/news/2024/launch</link><pubDate>Tue, 05 Mar 2024 14:30:00 GMT</pubDate></item>
</channel></rss>
)";
}

inline TestHttpReply html(const QByteArray &body)
{
    return TestHttpReply::text(body, "text/html; charset=utf-8");
}

// acme.example: a newsroom with a declared RSS feed and a comments feed, an
// HTML page declared where a feed should be, a /press that redirects home,
// an investor sub-domain, JSON-LD profiles with escaped slashes, share and
// sign-in links on social hosts and a touch icon. Everything is found on
// the home and section pages.
inline void serveNewsroomSite(TestHttpServer &server)
{
    server.route("acme.example", "/", html(R"(<!DOCTYPE html>
<html lang="en"><head>
<meta charset="utf-8">
<title>
    Acme Robotics
    | Home
</title>
<link rel="stylesheet" href="/assets/site.css">
<link rel="icon" type="image/png" sizes="32x32" href="/favicon-32.png">
<link rel="apple-touch-icon" sizes="180x180" href="/apple-touch-icon.png">
<link rel="alternate" type="application/rss+xml" title="Acme Newsroom" href="/newsroom/feed.xml">
<link rel="alternate" type="application/rss+xml" title="Comments" href="/blog/comments/feed/">
<link rel="alternate" type="application/rss+xml" title="Product updates" href="/updates.rss">
<link rel="alternate" hreflang="de" type="application/rss+xml" href="/de/newsroom/feed.xml">
<meta property="og:image" content="https://acme.example/og.png">
<script type="application/ld+json">
{"@context":"https://schema.org","@type":"Organization","name":"Acme Robotics",
 "url":"https:\/\/acme.example\/",
 "sameAs":["https:\/\/www.linkedin.com\/company\/acme-robotics\/","https:\/\/twitter.com\/acmerobotics"]}
</script>
</head><body>
<nav>
  <a href="/">Acme</a>
  <a href="/products">Products</a>
  <a href="/newsroom">Newsroom</a>
  <a href="/blog">Blog</a>
  <a href="https://investors.acme.example/">Investors</a>
</nav>
<main><h1>Robots that work</h1>
  <a class="share" href="https://www.facebook.com/sharer/sharer.php?u=https%3A%2F%2Facme.example%2F">Share</a>
  <a class="share" href="https://twitter.com/intent/tweet?url=https%3A%2F%2Facme.example%2F">Tweet</a>
  <a href="https://www.linkedin.com/login?session_redirect=%2Fcompany%2Facme-robotics">Sign in</a>
</main>
<footer>
  <a href="https://github.com/acme-robotics/arm-driver">Our code</a>
  <a href="https://www.youtube.com/@acmerobotics">YouTube</a>
  <a href="mailto:press@acme.example">press@acme.example</a>
</footer>
</body></html>
)"));
    server.route("acme.example", "/newsroom", html(R"(<html><head><title>Newsroom | Acme Robotics</title>
<link rel="alternate" type="application/rss+xml" title="Newsroom feed" href="https://acme.example/newsroom/feed.xml">
</head><body><h1>Newsroom</h1>
<a href="/newsroom/2024/acme-ships-arm-2">Acme ships Arm 2</a>
<a href="/newsroom/2024/acme-opens-plant">Acme opens a plant in Ohio</a>
</body></html>)"));
    server.route("acme.example", "/newsroom/feed.xml", TestHttpReply::text(rss("Acme Newsroom", "acme.example"), "application/rss+xml"));
    server.route("acme.example", "/updates.rss", html("<html><head><title>Product updates</title></head><body>Soon.</body></html>"));
    server.route("acme.example", "/blog/comments/feed", TestHttpReply::text(rss("Comments", "acme.example"), "application/rss+xml"));
    server.route("acme.example", "/press", TestHttpReply::redirect(301, "/"));
    server.route("acme.example", "/blog", html("<html><head><title>Blog | Acme Robotics</title></head><body><h1>Blog</h1></body></html>"));
    server.route("investors.acme.example", "/", html("<html><head><title>Investors | Acme Robotics</title></head></html>"));
}

// quiet.example: declares no feed but answers /rss, names its LinkedIn page
// only on /about, and lists its investor page only in a site-map index of
// five maps, two of them for news. Its home page names no icon.
inline void serveQuietSite(TestHttpServer &server)
{
    server.route("quiet.example", "/", html(R"(<html><head><title>Quiet Systems — Precision sensors</title>
<meta name="description" content="Sensors that listen."></head>
<body><a href="/about">About us</a> <a href="/news">News</a>
<a href="https://twitter.com/share?url=https://quiet.example/">Share</a></body></html>)"));
    server.route("quiet.example", "/rss", TestHttpReply::text(rss("Quiet Systems", "quiet.example"), "application/rss+xml"));
    server.route("quiet.example", "/news", html("<html><head><title>News – Quiet Systems</title></head><body></body></html>"));
    server.route("quiet.example", "/about", html(R"(<html><head><title>About – Quiet Systems</title></head>
<body><a href="https://www.linkedin.com/company/quiet-systems">LinkedIn</a></body></html>)"));
    server.route("quiet.example", "/sitemap.xml", TestHttpReply::text(R"(<?xml version="1.0" encoding="UTF-8"?>
<sitemapindex xmlns="http://www.sitemaps.org/schemas/sitemap/0.9">
  <sitemap><loc>https://quiet.example/sitemap-products.xml</loc></sitemap>
  <sitemap><loc>https://quiet.example/sitemap-news-2024.xml</loc></sitemap>
  <sitemap><loc>https://quiet.example/sitemap-careers.xml</loc></sitemap>
  <sitemap><loc>https://quiet.example/sitemap-news-2023.xml</loc></sitemap>
  <sitemap><loc>https://quiet.example/sitemap-legal.xml</loc></sitemap>
</sitemapindex>
)", "application/xml"));
    server.route("quiet.example", "/sitemap-news-2024.xml", TestHttpReply::text(R"(<?xml version="1.0"?>
<urlset xmlns="http://www.sitemaps.org/schemas/sitemap/0.9">
  <url><loc>
    https://quiet.example/investors/annual-report-2024
  </loc></url>
  <url><loc>https://quiet.example/news/2024/launch</loc></url>
</urlset>
)", "application/xml"));
    server.route("quiet.example", "/sitemap-news-2023.xml", TestHttpReply::text(R"(<urlset>
  <url><loc>https://quiet.example/news/2023/founding</loc></url>
</urlset>)", "application/xml"));
    server.route("quiet.example", "/investors", html("<html><head><title>Investors – Quiet Systems</title></head></html>"));
}

}
