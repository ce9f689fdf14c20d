#pragma once
// The class library's exception: a message and an integer help context. The SNMP
// library raises it with a table text and the error code as help context.
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    Exception(std::string message, int helpContext = 0)
        : Message(std::move(message)), HelpContext(helpContext) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message; // bytes; shown through the Latin-1 widget boundary
    int HelpContext;
};

// The class library's conversion error (a text that is not a number).
class EConvertError : public Exception {
public:
    using Exception::Exception;
};
