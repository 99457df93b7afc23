#include "SourceConfinement.h"

#include <array>

namespace tavoclip {
namespace {

// FFmpeg 5.1's input formats that read the stream they are given and nothing
// else. Left out: playlists and lists that open the files or addresses they
// name (hls, dash, concat, imf, webm_dash_manifest), image2, which reads a
// numbered sequence or a glob pattern of files when the name has one (a
// single picture is read by its *_pipe format instead), mlv, which reads the
// .M00, .M01, ... files beside the source, vobsub, which opens the .sub
// beside an .idx, the network session descriptions (sdp, rtp, rtsp, sap) and
// the capture devices. A format missing here, such as one a newer FFmpeg
// adds, is refused: the error stays on the safe side.
constexpr std::array<std::string_view, 21> kReadableFormats{
    "3dostr,4xm,aa,aac,aax,ac3,ace,acm,act,adf,adp,ads,adx,aea,afc,aiff,aix,alaw,alias_pix,alp,amr,amrnb,",
    "amrwb,anm,apc,ape,apm,apng,aptx,aptx_hd,aqtitle,argo_asf,argo_brp,argo_cvg,asf,asf_o,ass,ast,au,av1,",
    "avi,avr,avs,avs2,avs3,bethsoftvid,bfi,bfstm,bin,bink,binka,bit,bitpacked,bmp_pipe,bmv,boa,brender_pix,",
    "brstm,c93,caf,cavsvideo,cdg,cdxl,cine,codec2,codec2raw,cri_pipe,data,daud,dcstr,dds_pipe,derf,dfa,",
    "dfpwm,dhav,dirac,dnxhd,dpx_pipe,dsf,dsicin,dss,dts,dtshd,dv,dvbsub,dvbtxt,dxa,ea,ea_cdata,eac3,epaf,",
    "exr_pipe,f32be,f32le,f64be,f64le,ffmetadata,film_cpk,filmstrip,fits,flac,flic,flv,frm,fsb,fwse,g722,",
    "g723_1,g726,g726le,g729,gdv,gem_pipe,genh,gif,gif_pipe,gsm,gxf,h261,h263,h264,hca,hcom,hevc,hnm,ico,",
    "idcin,idf,iff,ifv,ilbc,image2pipe,ingenient,ipmovie,ipu,ircam,iss,iv8,ivf,ivr,j2k_pipe,jacosub,",
    "jpeg_pipe,jpegls_pipe,jpegxl_pipe,jv,kux,kvag,libgme,libopenmpt,live_flv,lmlm4,loas,lrc,luodat,lvf,",
    "lxf,m4v,matroska,webm,mca,mcc,mgsts,microdvd,mjpeg,mjpeg_2000,mlp,mm,mmf,mods,moflex,mov,mp4,m4a,",
    "3gp,3g2,mj2,mp3,mpc,mpc8,mpeg,mpegts,mpegtsraw,mpegvideo,mpjpeg,mpl2,mpsub,msf,msnwctcp,msp,mtaf,",
    "mtv,mulaw,musx,mv,mvi,mxf,mxg,nc,nistsphere,nsp,nsv,nut,nuv,obu,ogg,oma,paf,pam_pipe,pbm_pipe,",
    "pcx_pipe,pfm_pipe,pgm_pipe,pgmyuv_pipe,pgx_pipe,phm_pipe,photocd_pipe,pictor_pipe,pjs,pmp,png_pipe,",
    "pp_bnk,ppm_pipe,psd_pipe,psxstr,pva,pvf,qcp,qdraw_pipe,qoi_pipe,r3d,rawvideo,realtext,redspark,rl2,",
    "rm,roq,rpl,rsd,rso,s16be,s16le,s24be,s24le,s32be,s32le,s337m,s8,sami,sbc,sbg,scc,scd,sdr2,sds,sdx,",
    "ser,sga,sgi_pipe,shn,siff,simbiosis_imx,sln,smjpeg,smk,smush,sol,sox,spdif,srt,stl,subviewer,",
    "subviewer1,sunrast_pipe,sup,svag,svg_pipe,svs,swf,tak,tedcaptions,thp,tiertexseq,tiff_pipe,tmv,",
    "truehd,tta,tty,txd,ty,u16be,u16le,u24be,u24le,u32be,u32le,u8,v210,v210x,vag,vbn_pipe,vc1,vc1test,",
    "vidc,vividas,vivo,vmd,voc,vpk,vplayer,vqf,w64,wav,wc3movie,webp_pipe,webvtt,wsaud,wsd,wsvqa,wtv,wv,",
    "wve,xa,xbin,xbm_pipe,xmv,xpm_pipe,xvag,xwd_pipe,xwma,yop,",
    "yuv4mpegpipe"};

struct RefusedKind {
    std::string_view format;  // FFmpeg's name, as it prefixes its message
    std::string_view why;     // what such a source would make FFmpeg do
};

constexpr std::array<RefusedKind, 7> kRefusedKinds{{
    {"hls", "it is an HLS playlist, which makes FFmpeg read the files it lists"},
    {"dash", "it is a DASH manifest, which makes FFmpeg read the files it lists"},
    {"concat", "it is an FFmpeg concat list, which makes FFmpeg read the files it lists"},
    {"imf", "it is an IMF composition, which makes FFmpeg read the files it lists"},
    {"image2", "FFmpeg would read it as an image sequence, which takes in other files by a numbered or wildcard name"},
    {"mlv", "it is a Magic Lantern video, which makes FFmpeg read the parts beside it"},
    {"vobsub", "it is a VobSub index, which makes FFmpeg read the subtitle file beside it"},
}};

constexpr std::string_view kOnlyTheNamedFile = ": conv reads only the file it is given";

// "hls" out of "[hls @ 0x55c9234c3980] Format not on whitelist ...".
std::string_view ContextName(std::string_view message)
{
    if (!message.starts_with('[')) return {};
    const std::size_t at = message.find(" @ ");
    return at == std::string_view::npos ? std::string_view{} : message.substr(1, at - 1);
}

}  // namespace

std::vector<std::string> SourceInputOptions()
{
    std::string formats;
    for (const std::string_view part : kReadableFormats) formats += part;
    return {"-protocol_whitelist", "file", "-format_whitelist", formats};
}

std::optional<std::string> SourceRefusal(std::string_view message)
{
    if (message.find("Format not on whitelist") == std::string_view::npos) return std::nullopt;
    const std::string_view format = ContextName(message);
    for (const RefusedKind& kind : kRefusedKinds)
        if (kind.format == format) return std::string(kind.why) + std::string(kOnlyTheNamedFile);
    return "it is a kind of file (FFmpeg's format \"" + std::string(format) +
           "\") that may open other files, addresses or devices" + std::string(kOnlyTheNamedFile);
}

}  // namespace tavoclip
