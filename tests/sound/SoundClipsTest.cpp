// SPDX-FileCopyrightText: 2026 VASTREL
// SPDX-License-Identifier: GPL-3.0-or-later
// The six embedded clips: their containers, lengths and decoding.
#include "SoundBank.h"
#include "WavDecoder.h"
#include "WavLayout.h"

#include <QFile>
#include <QTest>

using velmora::SoundBank;
using velmora::SoundClip;
using velmora::WavDecoder;
using velmora::test::WavLayout;

namespace {

constexpr quint16 kPcm = 0x0001;
constexpr quint16 kMpegLayer3 = 0x0055;
constexpr int kMpegFrameSamples = 1152;
constexpr int kPcmFrameBytes = 4;

QByteArray clipImage(SoundClip clip)
{
    static const SoundBank bank;
    return bank.clip(clip);
}

WavLayout layoutOf(SoundClip clip)
{
    const auto layout = WavLayout::read(clipImage(clip));
    return layout.value_or(WavLayout{});
}

} // namespace

class SoundClipsTest : public QObject {
    Q_OBJECT

private slots:
    void theBankHoldsEachClipExactlyAsItsResource_data();
    void theBankHoldsEachClipExactlyAsItsResource();
    void eachMpegClipIsLayerThreeAt160KbitsInItsStoredLayout_data();
    void eachMpegClipIsLayerThreeAt160KbitsInItsStoredLayout();
    void eachPcmClipIsSixteenBitStereoWithOnlyFormatAndData_data();
    void eachPcmClipIsSixteenBitStereoWithOnlyFormatAndData();
    void decodingAnMpegClipYieldsItsFramesTimes1152Samples_data();
    void decodingAnMpegClipYieldsItsFramesTimes1152Samples();
    void decodingAPcmClipYieldsEverySampleOfItsData_data();
    void decodingAPcmClipYieldsEverySampleOfItsData();
    void anImageCutInsideItsHeadersDecodesToNothing_data();
    void anImageCutInsideItsHeadersDecodesToNothing();
    void bytesThatAreNoWavFileDecodeToNothing();
    void anImageCutInsideItsDataDecodesOnlyWhatIsThere();
};

void SoundClipsTest::theBankHoldsEachClipExactlyAsItsResource_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::addColumn<QString>("path");
    QTest::newRow("101") << SoundClip::SeventhMiss << ":/sounds/101.wav";
    QTest::newRow("102") << SoundClip::NewTitle << ":/sounds/102.wav";
    QTest::newRow("103") << SoundClip::RoundLost << ":/sounds/103.wav";
    QTest::newRow("104") << SoundClip::Miss << ":/sounds/104.wav";
    QTest::newRow("105") << SoundClip::RoundWon << ":/sounds/105.wav";
    QTest::newRow("106") << SoundClip::LetterFound << ":/sounds/106.wav";
}

void SoundClipsTest::theBankHoldsEachClipExactlyAsItsResource()
{
    QFETCH(SoundClip, clip);
    QFETCH(QString, path);
    QCOMPARE(SoundBank::resourcePath(clip), path);
    QFile resource(path);
    QVERIFY(resource.open(QIODevice::ReadOnly));
    const QByteArray image = resource.readAll();
    QVERIFY(image.startsWith("RIFF"));
    QCOMPARE(clipImage(clip), image);
}

void SoundClipsTest::eachMpegClipIsLayerThreeAt160KbitsInItsStoredLayout_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<quint32>("factSamples");
    QTest::addColumn<int>("durationMs");
    QTest::newRow("101") << SoundClip::SeventhMiss << 51 << 26645 << 44100u << 1332;
    QTest::newRow("102") << SoundClip::NewTitle << 44 << 22988 << 44100u << 1149;
    QTest::newRow("106") << SoundClip::LetterFound << 30 << 15673 << 0u << 784;
}

void SoundClipsTest::eachMpegClipIsLayerThreeAt160KbitsInItsStoredLayout()
{
    QFETCH(SoundClip, clip);
    QFETCH(int, frames);
    QFETCH(int, dataBytes);
    QFETCH(quint32, factSamples);
    QFETCH(int, durationMs);
    const WavLayout layout = layoutOf(clip);
    QCOMPARE(layout.chunkTags, (QByteArrayList{"fmt ", "fact", "data"}));
    QCOMPARE(layout.fmtSize, 30u);
    QCOMPARE(layout.formatTag, kMpegLayer3);
    QCOMPARE(layout.channels, quint16{2});
    QCOMPARE(layout.sampleRate, 44100u);
    QCOMPARE(layout.avgBytesPerSecond, 20000u);
    QCOMPARE(layout.extraSize, quint16{12});
    QCOMPARE(layout.mpegId, quint16{1});
    QCOMPARE(layout.mpegFlags, 2u);
    QCOMPARE(layout.blockSize, quint16{522});
    QCOMPARE(layout.framesPerBlock, quint16{1});
    QCOMPARE(layout.codecDelay, quint16{1393});
    QCOMPARE(layout.factSamples, std::optional<quint32>{factSamples});
    QCOMPARE(layout.data.size(), dataBytes);
    QCOMPARE(layout.mpegFrameCount(), frames);
    // The fact chunk does not give the length; the frames do.
    QCOMPARE(qRound(frames * kMpegFrameSamples * 1000.0 / layout.sampleRate), durationMs);
}

void SoundClipsTest::eachPcmClipIsSixteenBitStereoWithOnlyFormatAndData_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::addColumn<int>("dataBytes");
    QTest::addColumn<int>("durationMs");
    QTest::newRow("103") << SoundClip::RoundLost << 159232 << 903;
    QTest::newRow("104") << SoundClip::Miss << 94208 << 534;
    QTest::newRow("105") << SoundClip::RoundWon << 285184 << 1617;
}

void SoundClipsTest::eachPcmClipIsSixteenBitStereoWithOnlyFormatAndData()
{
    QFETCH(SoundClip, clip);
    QFETCH(int, dataBytes);
    QFETCH(int, durationMs);
    const WavLayout layout = layoutOf(clip);
    QCOMPARE(layout.chunkTags, (QByteArrayList{"fmt ", "data"}));
    QCOMPARE(layout.fmtSize, 16u);
    QCOMPARE(layout.formatTag, kPcm);
    QCOMPARE(layout.channels, quint16{2});
    QCOMPARE(layout.sampleRate, 44100u);
    QCOMPARE(layout.avgBytesPerSecond, 44100u * kPcmFrameBytes);
    QCOMPARE(layout.blockAlign, quint16{kPcmFrameBytes});
    QCOMPARE(layout.bitsPerSample, quint16{16});
    QCOMPARE(layout.data.size(), dataBytes);
    QCOMPARE(qRound(dataBytes / kPcmFrameBytes * 1000.0 / layout.sampleRate), durationMs);
}

void SoundClipsTest::decodingAnMpegClipYieldsItsFramesTimes1152Samples_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::addColumn<int>("frames");
    QTest::newRow("101") << SoundClip::SeventhMiss << 51;
    QTest::newRow("102") << SoundClip::NewTitle << 44;
    QTest::newRow("106") << SoundClip::LetterFound << 30;
}

void SoundClipsTest::decodingAnMpegClipYieldsItsFramesTimes1152Samples()
{
    QFETCH(SoundClip, clip);
    QFETCH(int, frames);
    const auto decoded = WavDecoder::decode(clipImage(clip));
    QCOMPARE(decoded.channels, 2);
    QCOMPARE(decoded.sampleRate, 44100);
    // The decoder does not trim the encoder's padding, so a clip may come out
    // a little longer than its frames, but never by a whole second frame.
    const qint64 nominal = qint64{frames} * kMpegFrameSamples;
    QVERIFY2(decoded.frameCount() >= nominal && decoded.frameCount() < nominal + 2 * kMpegFrameSamples,
             qPrintable(QStringLiteral("%1 sample frames for %2 MPEG frames")
                            .arg(decoded.frameCount())
                            .arg(frames)));
}

void SoundClipsTest::decodingAPcmClipYieldsEverySampleOfItsData_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::newRow("103") << SoundClip::RoundLost;
    QTest::newRow("104") << SoundClip::Miss;
    QTest::newRow("105") << SoundClip::RoundWon;
}

void SoundClipsTest::decodingAPcmClipYieldsEverySampleOfItsData()
{
    QFETCH(SoundClip, clip);
    const auto decoded = WavDecoder::decode(clipImage(clip));
    QCOMPARE(decoded.channels, 2);
    QCOMPARE(decoded.sampleRate, 44100);
    // The machine is little-endian like the file, so the samples come out
    // byte for byte as they are stored.
    QCOMPARE(decoded.pcm, layoutOf(clip).data);
    QCOMPARE(decoded.frameCount(), layoutOf(clip).data.size() / kPcmFrameBytes);
}

void SoundClipsTest::anImageCutInsideItsHeadersDecodesToNothing_data()
{
    QTest::addColumn<SoundClip>("clip");
    QTest::addColumn<int>("keptBytes");
    QTest::newRow("nothing") << SoundClip::SeventhMiss << 0;
    QTest::newRow("RIFF header of 101") << SoundClip::SeventhMiss << 10;
    QTest::newRow("format chunk of 101") << SoundClip::SeventhMiss << 30;
    QTest::newRow("fact chunk of 102") << SoundClip::NewTitle << 54;
    QTest::newRow("format chunk of 104") << SoundClip::Miss << 24;
    QTest::newRow("data header of 105") << SoundClip::RoundWon << 40;
}

void SoundClipsTest::anImageCutInsideItsHeadersDecodesToNothing()
{
    QFETCH(SoundClip, clip);
    QFETCH(int, keptBytes);
    const auto decoded = WavDecoder::decode(clipImage(clip).left(keptBytes));
    QVERIFY(decoded.isEmpty());
    QCOMPARE(decoded.frameCount(), 0);
}

void SoundClipsTest::bytesThatAreNoWavFileDecodeToNothing()
{
    QVERIFY(WavDecoder::decode(QByteArray(4096, 'x')).isEmpty());
    QByteArray wrongMagic = clipImage(SoundClip::RoundLost);
    wrongMagic.replace(0, 4, "RIFX");
    wrongMagic.replace(8, 4, "AVI ");
    QVERIFY(WavDecoder::decode(wrongMagic).isEmpty());
    QByteArray noChannels = clipImage(SoundClip::Miss);
    noChannels[22] = 0;
    QVERIFY(WavDecoder::decode(noChannels).isEmpty());
}

void SoundClipsTest::anImageCutInsideItsDataDecodesOnlyWhatIsThere()
{
    const QByteArray pcm = clipImage(SoundClip::RoundWon);
    const auto partPcm = WavDecoder::decode(pcm.left(pcm.size() / 2));
    QVERIFY(partPcm.frameCount() > 0);
    QVERIFY(partPcm.frameCount() < layoutOf(SoundClip::RoundWon).data.size() / kPcmFrameBytes);

    const QByteArray mpeg = clipImage(SoundClip::SeventhMiss);
    const auto partMpeg = WavDecoder::decode(mpeg.left(mpeg.size() / 2));
    QVERIFY(partMpeg.frameCount() < qint64{51} * kMpegFrameSamples);
}

QTEST_GUILESS_MAIN(SoundClipsTest)
#include "SoundClipsTest.moc"
