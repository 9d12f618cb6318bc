// What the office stand-in's parts share: zip packages in memory and XML names without their
// namespace prefixes.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/xml.h"

namespace hd::office {

// Every entry of a zip package by name; EOleError naming the file when it is not one.
std::map<std::string, std::string> ReadZip(const std::string& FileName);
// A zip package of the entries in their order, as bytes.
std::string WriteZip(const std::vector<std::pair<std::string, std::string>>& Entries);

// The first Count bytes of a file (fewer when it is shorter); EOleError when it cannot be opened.
std::string FileHead(const std::string& FileName, std::size_t Count);

// An element's name after its prefix ("x:row" gives "row").
std::string LocalName(const TXmlNode& Node);
// The child elements of that local name.
std::vector<TXmlNode> Children(const TXmlNode& Node, const std::string& Local);
TXmlNode FirstChildNamed(const TXmlNode& Node, const std::string& Local);
// An attribute by its local name, empty when missing.
std::string Attr(const TXmlNode& Node, const std::string& Local);
// Every text below a node, in order.
std::string AllText(const TXmlNode& Node);

}  // namespace hd::office
