/*
 * CFProxySupport.h: the proxies the system settings name for a URL: their types, hosts, ports, credentials and
 * automatic configuration scripts.
 */
#ifndef __CFPROXYSUPPORT__
#define __CFPROXYSUPPORT__

#include <CFNetwork/CFNetworkDefs.h>
#include <CoreFoundation/CoreFoundation.h>

CF_EXTERN_C_BEGIN
CF_ASSUME_NONNULL_BEGIN

CFN_EXPORT CFDictionaryRef _Nullable CFNetworkCopySystemProxySettings(void) API_AVAILABLE(macos(10.6), ios(2.0));
CFN_EXPORT CFArrayRef CFNetworkCopyProxiesForURL(CFURLRef url, CFDictionaryRef proxySettings)
    API_AVAILABLE(macos(10.5), ios(2.0));

typedef void (*CFProxyAutoConfigurationResultCallback)(void *client, CFArrayRef proxyList,
                                                       CFErrorRef _Nullable error);

CFN_EXPORT CFArrayRef _Nullable CFNetworkCopyProxiesForAutoConfigurationScript(
    CFStringRef proxyAutoConfigurationScript, CFURLRef targetURL, CFErrorRef *_Nullable error)
    API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT CFRunLoopSourceRef CFNetworkExecuteProxyAutoConfigurationScript(
    CFStringRef proxyAutoConfigurationScript, CFURLRef targetURL, CFProxyAutoConfigurationResultCallback cb,
    CFStreamClientContext *clientContext) API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT CFRunLoopSourceRef CFNetworkExecuteProxyAutoConfigurationURL(
    CFURLRef proxyAutoConfigURL, CFURLRef targetURL, CFProxyAutoConfigurationResultCallback cb,
    CFStreamClientContext *clientContext) API_AVAILABLE(macos(10.5), ios(2.0));

CFN_EXPORT const CFStringRef kCFProxyTypeKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyHostNameKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyPortNumberKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyAutoConfigurationURLKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyAutoConfigurationJavaScriptKey API_AVAILABLE(macos(10.7), ios(3.0));
CFN_EXPORT const CFStringRef kCFProxyUsernameKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyPasswordKey API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyTypeNone API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyTypeHTTP API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyTypeHTTPS API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyTypeSOCKS API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyTypeFTP API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyTypeAutoConfigurationURL API_AVAILABLE(macos(10.5), ios(2.0));
CFN_EXPORT const CFStringRef kCFProxyTypeAutoConfigurationJavaScript API_AVAILABLE(macos(10.7), ios(3.0));
CFN_EXPORT const CFStringRef kCFProxyAutoConfigurationHTTPResponseKey API_AVAILABLE(macos(10.5));
CFN_EXPORT const CFStringRef kCFNetworkProxiesExceptionsList API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesExcludeSimpleHostnames API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesFTPEnable API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesFTPPassive API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesFTPPort API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesFTPProxy API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesGopherEnable API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesGopherPort API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesGopherProxy API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesHTTPEnable API_AVAILABLE(macos(10.6), ios(2.0));
CFN_EXPORT const CFStringRef kCFNetworkProxiesHTTPPort API_AVAILABLE(macos(10.6), ios(2.0));
CFN_EXPORT const CFStringRef kCFNetworkProxiesHTTPProxy API_AVAILABLE(macos(10.6), ios(2.0));
CFN_EXPORT const CFStringRef kCFNetworkProxiesHTTPSEnable API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesHTTPSPort API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesHTTPSProxy API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesRTSPEnable API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesRTSPPort API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesRTSPProxy API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesSOCKSEnable API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesSOCKSPort API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesSOCKSProxy API_AVAILABLE(macos(10.6));
CFN_EXPORT const CFStringRef kCFNetworkProxiesProxyAutoConfigEnable API_AVAILABLE(macos(10.6), ios(2.0));
CFN_EXPORT const CFStringRef kCFNetworkProxiesProxyAutoConfigURLString API_AVAILABLE(macos(10.6), ios(2.0));
CFN_EXPORT const CFStringRef kCFNetworkProxiesProxyAutoConfigJavaScript API_AVAILABLE(macos(10.7), ios(3.0));
CFN_EXPORT const CFStringRef kCFNetworkProxiesProxyAutoDiscoveryEnable API_AVAILABLE(macos(10.6));

CF_ASSUME_NONNULL_END
CF_EXTERN_C_END

#endif /* __CFPROXYSUPPORT__ */
