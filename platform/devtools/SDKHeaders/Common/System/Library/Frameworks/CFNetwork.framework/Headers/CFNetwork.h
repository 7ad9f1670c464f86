/*
 * CFNetwork.h: the network services of Core Foundation: socket streams and their TLS settings, host name
 * resolution, Bonjour services, HTTP messages, streams and authentication, proxies, FTP streams and their errors.
 */
#ifndef __CFNETWORK__
#define __CFNETWORK__

#include <CoreFoundation/CoreFoundation.h>
#include <CFNetwork/CFNetworkDefs.h>
#include <CFNetwork/CFNetworkErrors.h>
#include <CFNetwork/CFSocketStream.h>
#include <CFNetwork/CFFTPStream.h>
#include <CFNetwork/CFHost.h>
#include <CFNetwork/CFHTTPMessage.h>
#include <CFNetwork/CFHTTPStream.h>
#include <CFNetwork/CFHTTPAuthentication.h>
#include <CFNetwork/CFNetServices.h>
#include <CFNetwork/CFProxySupport.h>

#endif /* __CFNETWORK__ */
