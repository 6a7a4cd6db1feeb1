// Export macro of the public interface of libqvproj.
#ifndef QVPROJ_EXPORT_H
#define QVPROJ_EXPORT_H

#if defined(_WIN32)
#if defined(QVPROJ_BUILDING)
#define QVPROJ_API __declspec(dllexport)
#else
#define QVPROJ_API __declspec(dllimport)
#endif
#else
#define QVPROJ_API __attribute__((visibility("default")))
#endif

#endif
