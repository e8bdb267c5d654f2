#pragma once

#include <QString>

// Plain text from the markup that feeds and pages put in their texts.
namespace MarkupText {

// Removes tags, decodes the few entities that survive in feed text
// (&amp; &lt; &gt; &quot; &#39; &apos; &nbsp; &#8216; &#8217; &#8220;
// &#8221; &#8211; &#8212; &hellip;) and trims white space. A tag is "<"
// followed by a letter, "/", "!" or "?" up to the next ">"; any other "<"
// is text ("revenue < $5M"). Entities are decoded after tags are removed,
// so an escaped tag stays visible as text. Text with neither "<" nor "&"
// is returned as it is.
QString clean(QString text);

}
