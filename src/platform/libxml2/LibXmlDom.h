#pragma once
// The document model of the host build: libxml2 behind the interface that
// MSXML serves on Windows, loading as MSXML is told to (no network, no
// external DTD or entity, whitespace-only text dropped, ANSI text out).
#include "platform/XmlDom.h"

namespace platform::libxml2 {

IXmlParser& LibXmlParser();

}  // namespace platform::libxml2
